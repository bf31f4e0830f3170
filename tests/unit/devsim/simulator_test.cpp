#include "devsim/simulator.h"

#include <gtest/gtest.h>

#include "devsim/sim_path.h"

namespace devsim {
namespace {

struct ListCase {
    const char* list;
    std::optional<std::vector<std::pair<DeviceKind, uint16_t>>> expected;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << '"' << c.list << '"';
}

class SimulateList : public ::testing::TestWithParam<ListCase> {};

TEST_P(SimulateList, Parses) {
    const auto parsed = ParseSimulateList(GetParam().list);
    ASSERT_EQ(parsed.has_value(), GetParam().expected.has_value());
    if (!parsed) {
        return;
    }
    std::vector<std::pair<DeviceKind, uint16_t>> got;
    for (const PluggedDevice& device : *parsed) {
        got.emplace_back(device.kind, device.productId);
    }
    EXPECT_EQ(got, *GetParam().expected);
}

using K = DeviceKind;
INSTANTIATE_TEST_SUITE_P(
    Cases, SimulateList,
    ::testing::Values(
        ListCase{"", {{{K::kMouse, 0x1003}, {K::kKeyboard, 0x6556}, {K::kPad, 0x5004}}}},
        ListCase{"pad", {{{K::kPad, 0x5004}}}},
        ListCase{"keyboard:0800,mouse:1099", {{{K::kKeyboard, 0x0800}, {K::kMouse, 0x1099}}}},
        ListCase{"mouse:1003,pad", {{{K::kMouse, 0x1003}, {K::kPad, 0x5004}}}},
        ListCase{"mouse,", std::nullopt}, ListCase{"cat", std::nullopt},
        ListCase{"mouse,mouse:1099", std::nullopt}, ListCase{"mouse:", std::nullopt},
        ListCase{"mouse:5004", std::nullopt}, ListCase{"keyboard:08zz", std::nullopt},
        ListCase{"Mouse", std::nullopt}));

TEST(Simulator, PlugsWhatItIsGiven) {
    const auto plan = ParseSimulateList("keyboard:7200");
    Simulator sim(*plan);
    EXPECT_FALSE(sim.mouse().plugged());
    EXPECT_FALSE(sim.pad().plugged());
    EXPECT_TRUE(sim.keyboard().plugged());
    EXPECT_EQ(sim.keyboard().identity(), (Identity{0x0C45, 0x7200}));
    EXPECT_THROW(sim.keyboard().Plug(0x1003), std::invalid_argument);
}

TEST(Simulator, MemorySurvivesUnplugging) {
    Simulator sim;
    sim.mouse().EditMemory([](DeviceMemory& memory) { memory.macroArea[0] = 9; });
    sim.mouse().Plug();
    sim.mouse().Unplug();
    sim.mouse().Plug(0x1099);
    EXPECT_EQ(sim.mouse().memory().macroArea[0], 9);
    sim.mouse().RestoreFactoryMemory();
    EXPECT_EQ(sim.mouse().memory().macroArea[0], 0);
}

TEST(SimPath, RoundTripsAndRejectsOtherPaths) {
    const SimPath path{{0x0C45, 0x6556}, 1, "keyboard"};
    const std::string text = FormatSimPath(path);
    EXPECT_EQ(text, "hid#vid_0c45&pid_6556&col02#sim/keyboard");
    const auto parsed = ParseSimPath(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->identity, path.identity);
    EXPECT_EQ(parsed->collection, 1u);
    EXPECT_EQ(parsed->deviceName, "keyboard");
    for (const char* other :
         {"", "hid#vid_0c45&pid_6556&col00#sim/keyboard", "hid#vid_0c4&pid_6556&col01#sim/pad",
          "hid#vid_0c45&pid_6556&col01#/dev/hidraw3", "hid#vid_0c45&pid_6556#sim/pad"}) {
        EXPECT_FALSE(ParseSimPath(other)) << other;
    }
}

}  // namespace
}  // namespace devsim
