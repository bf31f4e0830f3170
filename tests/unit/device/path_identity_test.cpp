#include "device/path_identity.h"

#include <gtest/gtest.h>

namespace device {
namespace {

TEST(PathIdentityTest, ReadsHexAfterFirstCaseInsensitiveTag) {
    const struct {
        const char* path;
        uint16_t vendorId;
        uint16_t productId;
    } cases[] = {
        {"hid#vid_260d&pid_1003&col02#/dev/hidraw3", 0x260D, 0x1003},
        {"HID#VID_0C45&PID_6556#x", 0x0C45, 0x6556},
        {"hid#vid_0c45&pid_5004&vid_1111#x", 0x0C45, 0x5004},  // first occurrence wins
        {"hid#vid_12345&pid_ABCDEF#x", 0x2345, 0xCDEF},        // low 16 bits
        {"/dev/hidraw0", 0, 0},                                // absent
        {"hid#vid_&pid_zz", 0, 0},                             // no digits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathVendorId(c.path), c.vendorId) << c.path;
        EXPECT_EQ(PathProductId(c.path), c.productId) << c.path;
    }
}

}  // namespace
}  // namespace device
