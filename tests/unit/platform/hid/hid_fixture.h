#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_hidraw.h"
#include "platform/hid/hid_interface.h"

namespace platform::hid::testing {

inline constexpr char kMouseId[] = "0003:0000260D:00001003";
inline const std::string kPointerPath = "hid#vid_260d&pid_1003&col01#/dev/hidraw3";
inline const std::string kConsumerPath = "hid#vid_260d&pid_1003&col02#/dev/hidraw3";
inline const std::string kVendorPath = "hid#vid_260d&pid_1003&col03#/dev/hidraw3";

// The process-wide backend is the hidraw backend over a fake tree for the length of a test.
class HidrawTest : public ::testing::Test {
protected:
    void SetUp() override { SetBackend(MakeHidrawBackend(fake.config())); }
    void TearDown() override { SetBackend(nullptr); }

    static int Open(HidInterface& hid, const std::string& path, bool write) {
        hid.path = path;
        hid.wantRead = true;
        hid.wantWrite = write;
        hid.overlapped = true;
        hid.exclusive = false;
        return OpenHidInterface(hid);
    }

    FakeHidraw fake;
};

}  // namespace platform::hid::testing
