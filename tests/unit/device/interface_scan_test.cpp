#include "device/interface_scan.h"

#include <gtest/gtest.h>

#include "scripted_hid.h"

namespace device {
namespace {

using platform::hid::HidInterface;
using testing::ScriptedBackend;
using testing::ScriptedInterface;

class InterfaceScanTest : public ::testing::Test {
protected:
    InterfaceScanTest() { platform::hid::SetBackend(backend_); }

    void Add(const char* path, uint16_t vendorId, uint16_t productId, uint16_t usagePage,
             uint16_t usage) {
        backend_->Add(ScriptedInterface{path, {vendorId, productId, 1}, usagePage, usage});
    }
    void Enumerate() {
        ASSERT_EQ(platform::hid::EnumerateHidPaths(hid_.paths), 1);
        hid_.pathCursor = 0;
    }
    std::vector<std::string> OpenedPaths() const {
        std::vector<std::string> paths;
        for (const auto& [path, flags] : backend_->Opens()) {
            paths.push_back(path);
        }
        return paths;
    }

    std::shared_ptr<ScriptedBackend> backend_ = std::make_shared<ScriptedBackend>();
    HidInterface hid_;
};

TEST_F(InterfaceScanTest, MouseScanAcceptsMixedIdentityOnTheVendorCollection) {
    DeviceLink first;
    DeviceLink second;
    AssignIdentity(first, kMouseIdentity);
    AssignIdentity(second, kSecondMouseIdentity);
    Add("/dev/hidraw9", 0x260D, 0x1003, kVendorUsagePage, kVendorUsage);  // no vid_: not opened
    Add("hid#vid_0c45&pid_5004#a", 0x0C45, 0x5004, kVendorUsagePage, kVendorUsage);
    Add("hid#vid_260d&pid_1099&col01#b", 0x260D, 0x1099, 0x0001, 0x0002);  // mouse collection
    Add("hid#vid_260d&pid_1099&col02#c", 0x260D, 0x1099, kVendorUsagePage, kVendorUsage);
    Add("hid#vid_260d&pid_1003&col02#d", 0x260D, 0x1003, kVendorUsagePage, kVendorUsage);
    Enumerate();

    ASSERT_TRUE(OpenConfigInterface(hid_, MouseConfigInterface(first, second)));
    EXPECT_EQ(hid_.path, "hid#vid_260d&pid_1099&col02#c");
    EXPECT_EQ(hid_.pathCursor, 4u);
    EXPECT_EQ(OpenedPaths(),
              (std::vector<std::string>{"hid#vid_260d&pid_1099&col01#b", hid_.path}));
    const platform::hid::OpenFlags flags = backend_->Opens().back().second;
    EXPECT_TRUE(flags.read && flags.write && flags.overlapped && !flags.exclusive);
    EXPECT_EQ(backend_->LiveConnections(), 1) << "the rejected collection is closed again";
    EXPECT_EQ(hid_.paths.size(), 5u) << "closing a rejected interface keeps the walk's paths";
}

// The attributes decide, not the path: the keyboard's scan opens the mousepad (same vendor)
// and closes it again.
TEST_F(InterfaceScanTest, ScanChecksAttributesAfterOpening) {
    DeviceLink keyboard;
    AssignIdentity(keyboard, kKeyboardIdentity);
    Add("hid#vid_0c45&pid_6556#pad-behind-a-keyboard-path", 0x0C45, 0x5004, kVendorUsagePage,
        kVendorUsage);
    Enumerate();

    EXPECT_FALSE(OpenConfigInterface(hid_, ConfigInterfaceOf(keyboard)));
    EXPECT_EQ(OpenedPaths().size(), 1u);
    EXPECT_EQ(backend_->LiveConnections(), 0);
    EXPECT_EQ(hid_.handle, nullptr);
}

TEST_F(InterfaceScanTest, KeyboardScanAcceptsTheOtherModels) {
    DeviceLink keyboard;
    AssignIdentity(keyboard, kKeyboardIdentity);
    Add("hid#vid_0c45&pid_5004#pad", 0x0C45, 0x5004, kVendorUsagePage, kVendorUsage);
    Add("hid#vid_0c45&pid_7200#kb", 0x0C45, 0x7200, kVendorUsagePage, kVendorUsage);
    Enumerate();

    ASSERT_TRUE(OpenConfigInterface(hid_, KeyboardConfigInterface(keyboard)));
    EXPECT_EQ(hid_.attributes.productId, 0x7200);
    EXPECT_EQ(backend_->LiveConnections(), 1);
}

TEST_F(InterfaceScanTest, WalkStopsAtTheFirstEmptyPath) {
    DeviceLink pad;
    AssignIdentity(pad, kPadIdentity);
    Add("hid#vid_0c45&pid_5004#a", 0x0C45, 0x5004, kVendorUsagePage, kVendorUsage);
    hid_.paths = {"", "hid#vid_0c45&pid_5004#a"};
    EXPECT_FALSE(OpenConfigInterface(hid_, ConfigInterfaceOf(pad)));
    EXPECT_TRUE(OpenedPaths().empty());
}

TEST_F(InterfaceScanTest, SyncScanNeedsVidAndPidAndOpensReadOnly) {
    Add("hid#vid_260d&pid_2000&col03#a", 0x260D, 0x1003, kConsumerUsagePage, kConsumerUsage);
    Add("hid#vid_260d&pid_1003&col02#b", 0x260D, 0x1003, kVendorUsagePage, kVendorUsage);
    Add("hid#vid_260d&pid_1003&col03#c", 0x260D, 0x1003, kConsumerUsagePage, kConsumerUsage);
    Enumerate();

    ASSERT_TRUE(OpenSyncInterface(hid_, MouseSyncInterface()));
    EXPECT_EQ(hid_.path, "hid#vid_260d&pid_1003&col03#c");
    EXPECT_EQ(OpenedPaths(),
              (std::vector<std::string>{"hid#vid_260d&pid_1003&col02#b", hid_.path}));
    const platform::hid::OpenFlags flags = backend_->Opens().back().second;
    EXPECT_TRUE(flags.read && !flags.write && flags.overlapped && !flags.exclusive);

    HidInterface keyboard;
    keyboard.paths = hid_.paths;
    EXPECT_FALSE(OpenSyncInterface(keyboard, KeyboardSyncInterface()));
}

}  // namespace
}  // namespace device
