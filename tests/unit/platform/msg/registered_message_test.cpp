#include "platform/msg/registered_message.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/msg/messages.h"

namespace platform::msg {
namespace {

TEST(RegisteredMessageTest, OneNumberPerNameInTheRegisteredRange) {
    const UINT activation = RegisterWindowMessage("KavrinTest_Activate");
    EXPECT_GE(activation, kRegisteredMessageFirst);
    EXPECT_LE(activation, kRegisteredMessageLast);
    EXPECT_EQ(RegisterWindowMessage("kavrintest_ACTIVATE"), activation);
    EXPECT_NE(RegisterWindowMessage("KavrinTest_Other"), activation);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);

    // Threads registering the same new name at once all get the same number.
    std::vector<UINT> seen(8);
    std::vector<std::thread> threads;
    for (auto& slot : seen) {
        threads.emplace_back([&slot] { slot = RegisterWindowMessage("KavrinTest_Race"); });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (UINT number : seen) {
        EXPECT_EQ(number, seen.front());
    }
}

}  // namespace
}  // namespace platform::msg
