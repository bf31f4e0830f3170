#include "device/exchange.h"

#include <gtest/gtest.h>

#include <thread>

#include "device/commands.h"
#include "device/result_codes.h"
#include "scripted_hid.h"

namespace device {
namespace {

using testing::Reply;
using testing::ScriptedDevice;
using testing::ScriptedMouse;

class ExchangeTest : public ::testing::Test {
protected:
    int Begin() { return BeginSession(mouse_.link); }

    ScriptedMouse mouse_;
    ScriptedDevice& device_ = *mouse_.device;
};

TEST_F(ExchangeTest, RetriesOnlyMissingAnswersUpToFourWrites) {
    const struct {
        const char* name;
        std::vector<Reply> replies;
        int result;
        size_t writes;
    } cases[] = {
        {"answered at once", {Reply::kAnswer}, kResultSuccess, 1},
        {"answered on the third attempt",
         {Reply::kNoAnswer, Reply::kNoAnswer, Reply::kAnswer},
         kResultSuccess,
         3},
        {"never answered", std::vector(5, Reply::kNoAnswer), kResultNoAnswer, 4},
        {"write fails", {Reply::kRefuseWrite}, kResultWriteFailed, 0},
        {"write fails on the retry",
         {Reply::kNoAnswer, Reply::kRefuseWrite},
         kResultWriteFailed,
         1},
    };
    for (const auto& c : cases) {
        ScriptedMouse mouse;
        for (Reply reply : c.replies) {
            mouse.device->Push({reply});
        }
        EXPECT_EQ(BeginSession(mouse.link), c.result) << c.name;
        EXPECT_EQ(mouse.device->WriteCount(), c.writes) << c.name;
    }
}

TEST_F(ExchangeTest, StatusErrorsEndTheCommandWithoutRetry) {
    device_.Push({Reply::kAnswer, 254});
    EXPECT_EQ(Begin(), kResultStatus254);
    device_.Push({Reply::kAnswer, 255});
    EXPECT_EQ(Begin(), kResultStatus255);
    EXPECT_EQ(device_.WriteCount(), 2u);
}

TEST_F(ExchangeTest, NotConnectedLinkSendsNothing) {
    mouse_.link.connected = false;
    std::array<uint8_t, 512> buffer{};
    std::array<uint8_t, kDeviceInfoSize> info{};
    DeviceLink& link = mouse_.link;
    const int results[] = {
        BeginSession(link),
        EndSession(link),
        ReadDeviceInfo(link, info),
        ReadParams(link, 0, std::span(buffer).first(56)),
        WriteParams(link, 0, std::span(buffer).first(56)),
        ReadDefaultTable(link, buffer),
        ReadKeyTable(link, buffer, 0),
        WriteKeyTable(link, buffer, 0),
        WriteMacroArea(link, std::span(buffer).first(100)),
    };
    for (int result : results) {
        EXPECT_EQ(result, kResultNoAnswer);
    }
    EXPECT_EQ(device_.WriteCount(), 0u);
}

// An answer that arrives after its request gave up must not be taken for the next request's.
TEST_F(ExchangeTest, LateAnswerOfTimedOutRequestIsDiscarded) {
    device_.Push({Reply::kLateAnswer}, kExchangeAttempts);
    std::array<uint8_t, 8> params{};
    EXPECT_EQ(ReadParams(mouse_.link, 0, params), kResultNoAnswer);
    EXPECT_EQ(device_.StaleAnswersQueued(), 1u);

    EXPECT_EQ(ReadParams(mouse_.link, 64, params), kResultSuccess);
    for (size_t i = 0; i < params.size(); ++i) {
        EXPECT_EQ(params[i], ScriptedDevice::PatternByte(64 + i)) << i;
    }
    EXPECT_EQ(device_.StaleAnswersQueued(), 0u);
}

// A presence monitor holds the lock for its whole pass and may select a profile, which writes
// to the device from inside that pass.
TEST_F(ExchangeTest, TransferLockIsReentrantForItsHolder) {
    platform::sys::LockGuard pass(mouse_.link.transferLock);
    const uint8_t rate = 3;
    EXPECT_EQ(WriteParams(mouse_.link, 14, std::span(&rate, 1)), kResultSuccess);
}

TEST_F(ExchangeTest, CommandsFromTwoThreadsWhileTheMonitorTogglesTheLink) {
    std::atomic<bool> done{false};
    std::thread monitor([&] {
        while (!done) {
            {
                platform::sys::LockGuard pass(mouse_.link.transferLock);
                mouse_.link.connected = !mouse_.link.connected;
            }
            std::this_thread::yield();
        }
    });
    std::thread other([&] {
        std::array<uint8_t, 56> params{};
        for (int i = 0; i < 200; ++i) {
            ReadParams(mouse_.link, 0, params);
        }
    });
    std::array<uint8_t, 512> table{};
    for (int i = 0; i < 50; ++i) {
        ReadKeyTable(mouse_.link, table, 0);
    }
    other.join();
    done = true;
    monitor.join();
    for (const DeviceReport& request : device_.Written()) {
        EXPECT_EQ(request.bytes[1] | (request.bytes[2] << 8), ReportChecksum(request));
    }
}

}  // namespace
}  // namespace device
