// Devices that are there at start, arrive and leave, as the main window sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>

#include "app/control_names.h"
#include "device/commands.h"
#include "devices_fixture.h"
#include "devsim/device_memory.h"
#include "platform/sys/clock.h"
#include "profile/profile_types.h"

namespace app::testing {
namespace {

using profile::DeviceKind;
namespace tabs = controls::device_tabs;

constexpr long kHeaderSize = 16;

using IniContent = std::map<std::string, std::map<std::string, std::string>>;

// Every section, key and value of an INI file as written.
IniContent ReadIni(DeviceKind kind) {
    IniContent content;
    std::ifstream in(profile::ListPath(kind));
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            content[section];
        } else if (const auto equals = line.find('='); equals != std::string::npos) {
            content[section][line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return content;
}

// The four sections a list's first run writes.
IniContent FirstRunList(const std::string& count, const std::string& names,
                        const std::string& select, const std::string& linkFlags) {
    return {{count, {{"count", "1"}}},
            {names, {{"0", "profile1"}}},
            {select, {{"select", "0"}}},
            {linkFlags, {{"0", "0"}}}};
}

IniContent Merge(std::initializer_list<IniContent> parts) {
    IniContent all;
    for (const IniContent& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

const IniContent kDeviceList = FirstRunList("PROFILEDEVICECOUNT", "PROFILEDEVICENAME",
                                            "PROFILEDEVICESELECT", "PROFILELIKEDEVICEEXE");
const IniContent kLightList =
    FirstRunList("PROFILEDENGCOUNT", "PROFILEDENGNAME", "PROFILEDENGSELECT", "PROFILELIKEDENGEXE");
const IniContent kKeyList =
    FirstRunList("PROFILECOUNT", "PROFILENAME", "PROFILESELECT", "PROFILELIKEEXE");

template <size_t N>
std::vector<uint8_t> Prefix(const std::array<uint8_t, N>& bytes, size_t count) {
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST_F(DevicesTest, MouseAtStartActivatesIsReadAndFirstRunWritesTheProfiles) {
    simulator_.mouse().Plug();
    CMainWnd& window = Start();
    // Only the activation request shows the window when the mouse is the only device.
    ASSERT_TRUE(RunUntil([&] { return window.MouseLink().connected && MainVisible(); }));
    EXPECT_TRUE(ControlVisible(tabs::kMouseTab));
    EXPECT_TRUE(OptionSelected(tabs::kMouseTab));
    EXPECT_TRUE(ControlVisible(tabs::kMousePanel));

    // Timer 8 reads the mouse: the image then holds what the firmware holds.
    const devsim::DeviceMemory memory = simulator_.mouse().memory();
    const mouse::MouseImage& image = window.Devices().mouse;
    ASSERT_TRUE(RunUntil([&] {
        return std::ranges::equal(image.info, memory.info) &&
               std::ranges::equal(image.defaultKeys, memory.defaultTable);
    }));
    for (size_t table = 0; table < devsim::kKeyTableCount; ++table) {
        const auto first =
            memory.keyTables.begin() + static_cast<std::ptrdiff_t>(devsim::KeyTableOffset(table));
        EXPECT_TRUE(
            std::equal(first, first + devsim::kKeyTableStride, image.keyPages[table].begin()))
            << "key table " << table;
    }

    // First run: every filled list has its profile1 with the type's whole payload.
    struct File {
        DeviceKind kind;
        const char* name;
        profile::ProfileType type;
    };
    const File files[] = {{DeviceKind::kMouse, "profile1.config", profile::ProfileType::kDevice},
                          {DeviceKind::kKeyboard, "profile1.config", profile::ProfileType::kDevice},
                          {DeviceKind::kKeyboard, "profile1.led", profile::ProfileType::kLight},
                          {DeviceKind::kKeyboard, "profile1.pro", profile::ProfileType::kKey},
                          {DeviceKind::kPad, "profile1.led", profile::ProfileType::kLight}};
    for (const File& file : files) {
        EXPECT_EQ(DataFileSize(file.kind, file.name),
                  kHeaderSize + static_cast<long>(profile::PayloadSize(file.kind, file.type)))
            << file.name;
    }
    EXPECT_EQ(DataFileSize(DeviceKind::kMouse, "profile1.config"), kHeaderSize + 576);
    EXPECT_EQ(ReadIni(DeviceKind::kMouse), kDeviceList);
    EXPECT_EQ(ReadIni(DeviceKind::kKeyboard), Merge({kDeviceList, kLightList, kKeyList}));
    EXPECT_EQ(ReadIni(DeviceKind::kPad), kLightList);
}

TEST_F(DevicesTest, MousepadAloneStaysHiddenAndTheKeyboardScansLeaveItsLinkAlone) {
    simulator_.pad().Plug();
    CMainWnd& window = Start();
    ASSERT_TRUE(
        RunUntil([&] { return window.PadLink().connected && ControlVisible(tabs::kPadTab); }));
    // Timer 12 reads the mousepad.
    const devsim::DeviceMemory memory = simulator_.pad().memory();
    ASSERT_TRUE(
        RunUntil([&] { return std::ranges::equal(window.Devices().pad.info, memory.info); }));
    SettlePass(window.PadLink());
    EXPECT_FALSE(MainVisible());
    EXPECT_TRUE(OptionSelected(tabs::kPadTab));

    // The keyboard monitor, scanning for its own product id on the shared vendor id, opens and
    // closes the mousepad's interface once a second; the mousepad link keeps working.
    const uint64_t afterScan = platform::sys::GetTickCount64() + device::kScanPeriodMs + 200;
    RunUntil([&] { return platform::sys::GetTickCount64() > afterScan; });
    SettlePass(window.KeyboardLink());
    std::array<uint8_t, 1> active{};
    EXPECT_EQ(device::ReadParams(window.PadLink(), 0, active), 1);
    EXPECT_TRUE(window.PadLink().connected);
    EXPECT_FALSE(window.KeyboardLink().connected);
}

struct EffectSetCase {
    uint16_t productId;
    keyboard::EffectSet before;
    keyboard::EffectSet after;
};

class KeyboardArrivalTest : public DevicesTest,
                            public ::testing::WithParamInterface<EffectSetCase> {};

TEST_P(KeyboardArrivalTest, KeyboardAloneShowsTheWindowAndSetsItsModel) {
    const EffectSetCase& c = GetParam();
    CMainWnd& window = Start();
    // Set before the keyboard is there, so only its acceptance can change it.
    window.Devices().keyboard.effectSet = c.before;
    simulator_.keyboard().Plug(c.productId);
    ASSERT_TRUE(RunUntil([&] { return window.KeyboardLink().connected && MainVisible(); }));
    EXPECT_TRUE(ControlVisible(tabs::kKeyboardTab));
    EXPECT_TRUE(OptionSelected(tabs::kKeyboardTab));
    EXPECT_TRUE(ControlVisible(tabs::kKeyboardPanel));
    EXPECT_EQ(window.Devices().keyboard.effectSet.load(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Models, KeyboardArrivalTest,
    ::testing::Values(EffectSetCase{0x6556, keyboard::EffectSet::kA, keyboard::EffectSet::kB},
                      EffectSetCase{0x0800, keyboard::EffectSet::kB, keyboard::EffectSet::kA},
                      EffectSetCase{0x7200, keyboard::EffectSet::kB, keyboard::EffectSet::kB}));

// Which devices are plugged in, which one leaves, and what the window does.
struct RemovalCase {
    const char* name;
    bool keyboard;
    bool pad;
    devsim::DeviceKind leaving;
    std::string_view selectedTab;  // empty: the window hides
    bool notice;
};

class RemovalTest : public DevicesTest, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalTest, LastTabOrHiddenWindow) {
    const RemovalCase& c = GetParam();
    simulator_.mouse().Plug();
    if (c.keyboard) {
        simulator_.keyboard().Plug();
    }
    if (c.pad) {
        simulator_.pad().Plug();
    }
    CMainWnd& window = Start();
    ASSERT_TRUE(RunUntil([&] {
        return window.MouseLink().connected && MainVisible() &&
               window.KeyboardLink().connected == c.keyboard && window.PadLink().connected == c.pad;
    }));
    SettlePass(window.MouseLink());
    const int ownedBefore = host_->OwnedWindowsOpened();

    simulator_.device(c.leaving).Unplug();
    device::DeviceLink& link = c.leaving == devsim::DeviceKind::kMouse ? window.MouseLink()
                               : c.leaving == devsim::DeviceKind::kPad ? window.PadLink()
                                                                       : window.KeyboardLink();
    ASSERT_TRUE(RunUntil([&] { return !link.connected.load(); }));
    SettlePass(link);
    if (c.selectedTab.empty()) {
        ASSERT_TRUE(RunUntil([&] { return !MainVisible(); }));
    } else {
        EXPECT_TRUE(OptionSelected(c.selectedTab));
        EXPECT_TRUE(MainVisible());
    }
    // The no-device notice is the only window that opens over the main window here.
    EXPECT_EQ(host_->OwnedWindowsOpened() - ownedBefore, c.notice ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, RemovalTest,
    ::testing::Values(RemovalCase{"MouseLeavesKeyboardStays", true, false,
                                  devsim::DeviceKind::kMouse, tabs::kKeyboardTab, false},
                      RemovalCase{"MouseLeavesPadStays", false, true, devsim::DeviceKind::kMouse,
                                  tabs::kPadTab, false},
                      RemovalCase{
                          "LastDeviceMouse", false, false, devsim::DeviceKind::kMouse, {}, true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DevicesTest, LastDeviceLeavingAsPadOrKeyboardOnlyHides) {
    for (devsim::SimDevice* device : {&simulator_.pad(), &simulator_.keyboard()}) {
        SCOPED_TRACE(device->model().name);
        device->Plug();
        if (!window_) {
            Start();
        }
        device::DeviceLink& link =
            device == &simulator_.pad() ? window_->PadLink() : window_->KeyboardLink();
        ASSERT_TRUE(RunUntil([&] { return link.connected.load(); }));
        SettlePass(link);
        window_->ShowWindow(true);
        const int ownedBefore = host_->OwnedWindowsOpened();
        device->Unplug();
        ASSERT_TRUE(RunUntil([&] { return !link.connected.load(); }));
        SettlePass(link);
        EXPECT_FALSE(MainVisible());
        EXPECT_EQ(host_->OwnedWindowsOpened(), ownedBefore);
    }
}

}  // namespace
}  // namespace app::testing
