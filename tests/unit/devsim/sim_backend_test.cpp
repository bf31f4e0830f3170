#include "devsim/sim_backend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "devsim/keyboard_model.h"
#include "devsim/mouse_model.h"
#include "devsim/report_descriptors.h"
#include "devsim/sim_path.h"
#include "devsim/simulator.h"
#include "platform/hid/report_fields.h"
#include "platform/sys/clock.h"
#include "sim_client.h"

namespace devsim {
namespace {

using platform::hid::Connection;
using platform::hid::IoStatus;
using platform::hid::OpenFlags;
using platform::hid::OpenStatus;
using platform::hid::ReportKind;
using platform::sys::Event;
using platform::sys::ResetMode;
using testing::ChunkedRead;
using testing::ChunkedWrite;
using testing::MakeRequest;
using testing::Transact;

constexpr OpenFlags kReadWrite{.read = true, .write = true, .overlapped = true};
constexpr OpenFlags kReadOnly{.read = true, .overlapped = true};

std::vector<uint8_t> Slice(const std::vector<uint8_t>& area, size_t offset, size_t length) {
    return {area.begin() + offset, area.begin() + offset + length};
}

std::vector<uint16_t> LoggedOffsets(const SimDevice& device) {
    std::vector<uint16_t> offsets;
    for (const ExchangeRecord& record : device.log()) {
        offsets.push_back(record.offset);
    }
    return offsets;
}

class SimBackendTest : public ::testing::Test {
protected:
    std::string PathOf(DeviceKind kind, size_t collection) {
        SimDevice& device = sim.device(kind);
        return FormatSimPath({device.identity(), collection, std::string(device.model().name)});
    }

    std::unique_ptr<Connection> Open(DeviceKind kind, size_t collection = kVendorCollection,
                                     const OpenFlags& flags = kReadWrite) {
        std::unique_ptr<Connection> connection;
        EXPECT_EQ(sim.backend()->Open(PathOf(kind, collection), flags, connection),
                  OpenStatus::kOk);
        return connection;
    }

    static IoStatus ReadOne(Connection& connection, std::vector<uint8_t>& report,
                            uint32_t timeoutMs, Event& abort) {
        report.assign(kReportSize, 0);
        size_t bytesRead = 0;
        const IoStatus result = connection.Read(report, bytesRead, timeoutMs, abort);
        report.resize(bytesRead);
        return result;
    }

    static IoStatus ReadOne(Connection& connection, std::vector<uint8_t>& report,
                            uint32_t timeoutMs = 0) {
        Event abort(ResetMode::kAuto);
        return ReadOne(connection, report, timeoutMs, abort);
    }

    Simulator sim{std::vector<PluggedDevice>{
        {DeviceKind::kMouse}, {DeviceKind::kKeyboard}, {DeviceKind::kPad}}};
};

TEST_F(SimBackendTest, EnumeratesOnePathPerCollectionOfPluggedDevices) {
    sim.keyboard().Unplug();
    sim.mouse().Plug(0x1099);
    std::vector<std::string> paths;
    ASSERT_TRUE(sim.backend()->Enumerate(paths));
    EXPECT_EQ(paths, (std::vector<std::string>{"hid#vid_260d&pid_1099&col01#sim/mouse",
                                               "hid#vid_260d&pid_1099&col02#sim/mouse",
                                               "hid#vid_0c45&pid_5004&col01#sim/pad"}));
    sim.mouse().Unplug();
    sim.pad().Unplug();
    ASSERT_TRUE(sim.backend()->Enumerate(paths));
    EXPECT_TRUE(paths.empty());
}

TEST_F(SimBackendTest, CollectionsDescribeThemselves) {
    sim.keyboard().Plug(keyboard::kFullColourProductId);
    struct Case {
        DeviceKind kind;
        size_t collection;
        uint16_t usagePage, usage, inputLength, outputLength, productId;
    };
    for (const Case& c : {
             Case{DeviceKind::kMouse, kVendorCollection, 0xFF1C, 0x0092, 64, 64, 0x1003},
             Case{DeviceKind::kMouse, kConsumerCollection, 0x000C, 0x0001, 3, 0, 0x1003},
             Case{DeviceKind::kKeyboard, kVendorCollection, 0xFF1C, 0x0092, 64, 64, 0x0800},
             Case{DeviceKind::kKeyboard, kConsumerCollection, 0x000C, 0x0001, 3, 0, 0x0800},
             Case{DeviceKind::kPad, kVendorCollection, 0xFF1C, 0x0092, 64, 64, 0x5004},
         }) {
        auto connection = Open(c.kind, c.collection);
        ASSERT_TRUE(connection);
        const auto& preparsed = connection->preparsed();
        EXPECT_EQ(preparsed.usagePage, c.usagePage);
        EXPECT_EQ(preparsed.usage, c.usage);
        EXPECT_EQ(preparsed.of(ReportKind::kInput).byteLength, c.inputLength);
        EXPECT_EQ(preparsed.of(ReportKind::kOutput).byteLength, c.outputLength);
        EXPECT_EQ(connection->attributes().productId, c.productId);
        EXPECT_EQ(connection->attributes().vendorId, ModelOf(c.kind).vendorId);
    }
}

TEST_F(SimBackendTest, OpenFindsOnlyPluggedDevicesUnderTheirCurrentIdentity) {
    std::unique_ptr<Connection> connection;
    const std::string firstIdentity = PathOf(DeviceKind::kMouse, kVendorCollection);
    sim.mouse().Plug(0x1099);  // replugged as the second identity
    EXPECT_EQ(sim.backend()->Open(firstIdentity, kReadWrite, connection), OpenStatus::kNotFound);
    EXPECT_EQ(
        sim.backend()->Open(PathOf(DeviceKind::kMouse, kVendorCollection), kReadWrite, connection),
        OpenStatus::kOk);
    const std::string padPath = PathOf(DeviceKind::kPad, kVendorCollection);
    sim.pad().Unplug();
    for (const std::string& path :
         {padPath, std::string("hid#vid_0c45&pid_5004&col02#sim/pad"),
          std::string("hid#vid_0c45&pid_5004&col01#sim/dog"), std::string("/dev/hidraw0")}) {
        EXPECT_EQ(sim.backend()->Open(path, kReadWrite, connection), OpenStatus::kNotFound) << path;
        EXPECT_FALSE(connection);
    }
}

TEST_F(SimBackendTest, WriteDeliversTheRequestAndReadReturnsTheAnswer) {
    auto connection = Open(DeviceKind::kMouse);
    ASSERT_TRUE(Transact(*connection, MakeRequest(command::kBeginSession)));
    EXPECT_TRUE(sim.mouse().sessionOpen());
    const auto info = Transact(*connection, MakeRequest(command::kReadDeviceInfo, kInfoSize));
    ASSERT_TRUE(info);
    const DeviceMemory memory = sim.mouse().memory();
    EXPECT_TRUE(std::equal(memory.info.begin(), memory.info.end(), info->begin() + kFrameData));
    const uint8_t rate[] = {1};
    ASSERT_TRUE(Transact(*connection, MakeRequest(command::kWriteParams, 1, 14, rate)));
    ASSERT_TRUE(Transact(*connection, MakeRequest(command::kEndSession)));
    EXPECT_FALSE(sim.mouse().sessionOpen());
    EXPECT_EQ(sim.mouse().memory().params[kParamReportRate], 1);

    const std::vector<ExchangeRecord> log = sim.mouse().log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[2].command, command::kWriteParams);
    EXPECT_EQ(log[2].offset, 14);
    EXPECT_EQ(log[2].data, std::vector<uint8_t>{1});
    EXPECT_EQ(log[2].answerStatus, status::kOk);
    EXPECT_TRUE(log[2].checksumOk);
    sim.mouse().ClearLog();
    EXPECT_TRUE(sim.mouse().log().empty());
}

TEST_F(SimBackendTest, ChunkedKeyTableReadWalksFromTheIndexBase) {
    auto connection = Open(DeviceKind::kMouse);
    std::vector<uint8_t> buffer(512);
    ASSERT_EQ(ChunkedRead(*connection, command::kReadKeyTable, 126, buffer).status, status::kOk);
    EXPECT_EQ(buffer, Slice(sim.mouse().memory().keyTables, 126, 512));
    EXPECT_EQ(LoggedOffsets(sim.mouse()),
              (std::vector<uint16_t>{126, 182, 238, 294, 350, 406, 462, 518, 574, 630}));
    EXPECT_EQ(sim.mouse().log().back().length, 8);
}

TEST_F(SimBackendTest, ChunkedWritesReachKeyTablesAndMacroArea) {
    auto connection = Open(DeviceKind::kMouse);
    std::vector<uint8_t> table(512);
    for (size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<uint8_t>(i * 7 + 1);
    }
    ASSERT_EQ(ChunkedWrite(*connection, command::kWriteKeyTable, 4 * 126, table).status,
              status::kOk);
    std::vector<uint8_t> macro(200, 0x5A);
    ASSERT_EQ(ChunkedWrite(*connection, command::kWriteMacroArea, 0, macro).status, status::kOk);
    const DeviceMemory memory = sim.mouse().memory();
    EXPECT_EQ(Slice(memory.keyTables, 4 * 126, 512), table);
    EXPECT_EQ(Slice(memory.macroArea, 0, 200), macro);
    EXPECT_EQ(memory.macroArea[200], 0);
}

TEST_F(SimBackendTest, KeyboardTablesAreThreeBytesPerKey) {
    auto connection = Open(DeviceKind::kKeyboard);
    std::vector<uint8_t> defaults(3 * keyboard::kKeyCount);
    ASSERT_EQ(ChunkedRead(*connection, command::kReadDefaultTable, 0, defaults).status,
              status::kOk);
    EXPECT_EQ(defaults, Slice(sim.keyboard().memory().defaultTable, 0, defaults.size()));
    EXPECT_EQ(sim.keyboard().log().size(), (defaults.size() + 55) / 56);
    EXPECT_EQ(sim.keyboard().log().back().length, defaults.size() % 56);
}

TEST_F(SimBackendTest, StatusFaultStopsAChosenChunk) {
    auto connection = Open(DeviceKind::kMouse);
    for (uint8_t refusal : {status::kBadRequest, status::kOutOfRange}) {
        sim.mouse().ClearLog();
        sim.mouse().AddFault(
            Fault::Status(refusal).OnCommand(command::kReadKeyTable).AtOffset(126 + 56).Times(1));
        std::vector<uint8_t> buffer(512, 0xEE);
        const auto result = ChunkedRead(*connection, command::kReadKeyTable, 126, buffer);
        EXPECT_EQ(result.status, refusal);
        EXPECT_EQ(Slice(buffer, 0, 56), Slice(sim.mouse().memory().keyTables, 126, 56));
        EXPECT_EQ(buffer[56], 0xEE);
        EXPECT_EQ(sim.mouse().log().size(), 2u);
        EXPECT_EQ(sim.mouse().log().back().answerStatus, refusal);
    }
    // A refused write chunk is not carried out; the ones before it stay written.
    const DeviceMemory before = sim.mouse().memory();
    sim.mouse().AddFault(Fault::Status(status::kOutOfRange).AtOffset(112));
    const std::vector<uint8_t> table(512, 0x77);
    EXPECT_EQ(ChunkedWrite(*connection, command::kWriteKeyTable, 0, table).status,
              status::kOutOfRange);
    const DeviceMemory after = sim.mouse().memory();
    EXPECT_EQ(Slice(after.keyTables, 0, 112), Slice(table, 0, 112));
    EXPECT_EQ(Slice(after.keyTables, 112, 400), Slice(before.keyTables, 112, 400));
}

TEST_F(SimBackendTest, NoAnswerLosesTheRequest) {
    auto connection = Open(DeviceKind::kMouse);
    sim.mouse().AddFault(Fault::NoAnswer().OnCommand(command::kWriteParams).Times(1));
    const uint8_t rate[] = {2};
    const Report request = MakeRequest(command::kWriteParams, 1, 14, rate);
    EXPECT_FALSE(Transact(*connection, request, 50));
    EXPECT_EQ(sim.mouse().memory().params[kParamReportRate], mouse::kFactoryReportRate);
    EXPECT_TRUE(Transact(*connection, request, 50));  // the fault was used up
    EXPECT_EQ(sim.mouse().memory().params[kParamReportRate], 2);
    const auto log = sim.mouse().log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[0].answerStatus);
    EXPECT_EQ(log[1].answerStatus, status::kOk);
}

TEST_F(SimBackendTest, FailedWriteNeverReachesTheFirmware) {
    auto connection = Open(DeviceKind::kMouse);
    sim.mouse().AddFault(Fault::WriteFails().OnCommand(command::kBeginSession).Times(1));
    Event abort(ResetMode::kAuto);
    const Report request = MakeRequest(command::kBeginSession);
    EXPECT_EQ(connection->Write(request, 1000, abort), IoStatus::kIoError);
    EXPECT_FALSE(sim.mouse().sessionOpen());
    EXPECT_TRUE(sim.mouse().log().empty());
    EXPECT_EQ(connection->Write(request, 1000, abort), IoStatus::kOk);
    EXPECT_TRUE(sim.mouse().sessionOpen());
}

TEST_F(SimBackendTest, LateAnswerArrivesAfterItsDelayAndHoldsBackLaterOnes) {
    auto connection = Open(DeviceKind::kPad);
    sim.pad().AddFault(Fault::LateAnswer(150).Times(1));
    const uint64_t start = platform::sys::GetTickCount64();
    EXPECT_FALSE(Transact(*connection, MakeRequest(command::kReadParams, 1, 0), 30));
    ASSERT_TRUE(Transact(*connection, MakeRequest(command::kReadParams, 1, 64), 1000));
    EXPECT_GE(platform::sys::GetTickCount64() - start, 150u);
    // The first answer came first: the one for offset 64 is still queued, stale.
    std::vector<uint8_t> report;
    ASSERT_EQ(ReadOne(*connection, report), IoStatus::kOk);
    EXPECT_EQ(report[kFrameOffset] | report[kFrameOffset + 1] << 8, 64);
    EXPECT_EQ(ReadOne(*connection, report), IoStatus::kTimeout);
}

TEST_F(SimBackendTest, AbortEndsAPendingReadAndIsConsumed) {
    auto connection = Open(DeviceKind::kMouse);
    Event abort(ResetMode::kAuto);
    std::atomic<IoStatus> result{IoStatus::kOk};
    std::thread reader([&] {
        std::vector<uint8_t> report;
        result = ReadOne(*connection, report, platform::sys::kInfinite, abort);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    abort.Set();
    reader.join();
    EXPECT_EQ(result, IoStatus::kAborted);
    EXPECT_FALSE(abort.IsSet());
    // A queued answer completes at once, whatever the abort event says.
    ASSERT_EQ(connection->Write(MakeRequest(command::kBeginSession), 1000, abort), IoStatus::kOk);
    abort.Set();
    std::vector<uint8_t> report;
    EXPECT_EQ(ReadOne(*connection, report, 100, abort), IoStatus::kOk);
    EXPECT_EQ(ReadOne(*connection, report, platform::sys::kInfinite, abort), IoStatus::kAborted);
}

TEST_F(SimBackendTest, UnplugDisconnectsPendingAndLaterIoForGood) {
    auto connection = Open(DeviceKind::kKeyboard);
    auto notices = Open(DeviceKind::kKeyboard, kConsumerCollection, kReadOnly);
    std::atomic<IoStatus> result{IoStatus::kOk};
    std::thread reader([&] {
        std::vector<uint8_t> report;
        result = ReadOne(*notices, report, 5000);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint64_t start = platform::sys::GetTickCount64();
    sim.keyboard().Unplug();
    reader.join();
    EXPECT_EQ(result, IoStatus::kDisconnected);
    EXPECT_LT(platform::sys::GetTickCount64() - start, 1000u);
    Event abort(ResetMode::kAuto);
    EXPECT_EQ(connection->Write(MakeRequest(command::kBeginSession), 1000, abort),
              IoStatus::kDisconnected);
    // Replugging does not revive an old handle; a new one works.
    sim.keyboard().Plug();
    std::vector<uint8_t> report;
    EXPECT_EQ(ReadOne(*connection, report), IoStatus::kDisconnected);
    EXPECT_TRUE(Transact(*Open(DeviceKind::kKeyboard), MakeRequest(command::kBeginSession)));
}

TEST_F(SimBackendTest, UnplugDropsQueuedLateAnswers) {
    auto connection = Open(DeviceKind::kMouse);
    sim.mouse().AddFault(Fault::LateAnswer(50));
    Event abort(ResetMode::kAuto);
    ASSERT_EQ(connection->Write(MakeRequest(command::kBeginSession), 1000, abort), IoStatus::kOk);
    sim.mouse().Unplug();
    std::vector<uint8_t> report;
    EXPECT_EQ(ReadOne(*connection, report, 200), IoStatus::kDisconnected);
    EXPECT_FALSE(sim.mouse().sessionOpen());
}

TEST_F(SimBackendTest, NoticesReachOnlyTheConsumerCollection) {
    auto vendor = Open(DeviceKind::kMouse);
    auto consumer = Open(DeviceKind::kMouse, kConsumerCollection, kReadOnly);
    auto keyboardConsumer = Open(DeviceKind::kKeyboard, kConsumerCollection, kReadOnly);
    ASSERT_TRUE(sim.mouse().SendNotice(kNoticeReloadAll));

    std::vector<uint8_t> report;
    ASSERT_EQ(ReadOne(*consumer, report), IoStatus::kOk);
    EXPECT_EQ(report, (std::vector<uint8_t>{kConsumerReportId, 0x02, 0x04}));
    uint16_t usages[4] = {};
    size_t count = 0;
    ASSERT_EQ(platform::hid::GetPressedUsages(consumer->preparsed(), kConsumerUsagePage, report,
                                              usages, count),
              platform::hid::HidStatus::kSuccess);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(usages[0], kNoticeReloadAll);
    ASSERT_EQ(ReadOne(*consumer, report), IoStatus::kOk);  // the release
    EXPECT_EQ(report, (std::vector<uint8_t>{kConsumerReportId, 0, 0}));

    EXPECT_EQ(ReadOne(*vendor, report), IoStatus::kTimeout);
    EXPECT_EQ(ReadOne(*keyboardConsumer, report), IoStatus::kTimeout);
    EXPECT_FALSE(sim.pad().SendNotice(kNoticeReloadAll));  // no consumer collection
    sim.keyboard().Unplug();
    EXPECT_FALSE(sim.keyboard().PressKeyOnDevice());
}

TEST_F(SimBackendTest, ChangesOnTheDeviceUpdateMemoryAndSayWhich) {
    auto consumer = Open(DeviceKind::kMouse, kConsumerCollection, kReadOnly);
    const uint8_t brightness[] = {0};
    struct Case {
        std::function<bool()> change;
        uint16_t usage;
    };
    for (const Case& c : {
             Case{[&] { return sim.mouse().ChangeParamsOnDevice(kParamBrightness, brightness); },
                  kNoticeParamsChanged},
             Case{[&] { return sim.mouse().SwitchRecordOnDevice(3); }, kNoticeReloadAll},
             Case{[&] { return sim.mouse().PressKeyOnDevice(); }, kNoticeKeyPressed},
         }) {
        ASSERT_TRUE(c.change());
        std::vector<uint8_t> report;
        ASSERT_EQ(ReadOne(*consumer, report), IoStatus::kOk);
        EXPECT_EQ(report[1] | report[2] << 8, c.usage);
        ASSERT_EQ(ReadOne(*consumer, report), IoStatus::kOk);
    }
    const DeviceMemory memory = sim.mouse().memory();
    EXPECT_EQ(memory.params[kParamBrightness], 0);
    EXPECT_EQ(memory.params[kParamActiveRecord], 3);
}

TEST_F(SimBackendTest, ActiveRecordAboveFourIsReportedAsIs) {
    sim.pad().ForceActiveRecord(7);
    const auto answer =
        Transact(*Open(DeviceKind::kPad), MakeRequest(command::kReadParams, 1, kParamActiveRecord));
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)[kFrameData], 7);
}

TEST_F(SimBackendTest, TransfersOutsideTheCollectionsReportsFail) {
    auto vendor = Open(DeviceKind::kMouse);
    auto consumer = Open(DeviceKind::kMouse, kConsumerCollection, kReadOnly);
    auto presence = Open(DeviceKind::kMouse, kVendorCollection, OpenFlags{});
    Event abort(ResetMode::kAuto);
    Report wrongId = MakeRequest(command::kBeginSession);
    wrongId[kFrameReportId] = kConsumerReportId;
    const Report request = MakeRequest(command::kBeginSession);
    EXPECT_EQ(vendor->Write(wrongId, 1000, abort), IoStatus::kIoError);
    EXPECT_EQ(vendor->Write(std::span(request).first(63), 1000, abort), IoStatus::kIoError);
    EXPECT_EQ(consumer->Write(request, 1000, abort), IoStatus::kIoError);
    EXPECT_EQ(presence->Write(request, 1000, abort), IoStatus::kIoError);
    std::vector<uint8_t> small(10);
    size_t bytesRead = 0;
    EXPECT_EQ(vendor->Read(small, bytesRead, 0, abort), IoStatus::kIoError);
    EXPECT_TRUE(sim.mouse().log().empty());
}

TEST_F(SimBackendTest, EveryReadingHandleGetsItsOwnCopy) {
    auto first = Open(DeviceKind::kMouse);
    auto second = Open(DeviceKind::kMouse, kVendorCollection, kReadOnly);
    ASSERT_TRUE(Transact(*first, MakeRequest(command::kBeginSession)));
    std::vector<uint8_t> report;
    EXPECT_EQ(ReadOne(*second, report), IoStatus::kOk);
    EXPECT_EQ(report[kFrameCommand], command::kBeginSession);
}

// Threads of the program use the backend at once: sync threads read notices, the UI thread
// exchanges, a monitor opens and closes, and the user unplugs. Run under TSan.
TEST_F(SimBackendTest, ConcurrentUseStaysConsistent) {
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (DeviceKind kind : {DeviceKind::kMouse, DeviceKind::kKeyboard}) {
        threads.emplace_back([&, kind] {
            while (!stop) {
                std::unique_ptr<Connection> connection;
                const std::string path = PathOf(kind, kVendorCollection);
                if (sim.backend()->Open(path, kReadWrite, connection) != OpenStatus::kOk) {
                    continue;
                }
                for (int i = 0; i < 20 && !stop; ++i) {
                    Transact(*connection, MakeRequest(command::kReadParams, 56, 0), 20);
                }
            }
        });
        threads.emplace_back([&, kind] {
            while (!stop) {
                sim.device(kind).PressKeyOnDevice();
                std::vector<std::string> paths;
                sim.backend()->Enumerate(paths);
            }
        });
    }
    for (int i = 0; i < 30; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sim.mouse().Unplug();
        sim.keyboard().Plug(i % 2 ? keyboard::kProductId : keyboard::kLaterProductId);
        sim.mouse().Plug(i % 2 ? mouse::kProductId : mouse::kSecondProductId);
    }
    stop = true;
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_FALSE(sim.mouse().log().empty());
}

}  // namespace
}  // namespace devsim
