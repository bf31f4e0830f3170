#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hid_fixture.h"
#include "platform/hid/hid_interface.h"
#include "sample_descriptors.h"

namespace platform::hid {
namespace {

using ::testing::ElementsAre;
using testing::HidrawTest;

class Enumeration : public HidrawTest {};

TEST_F(Enumeration, OnePathPerTopLevelCollectionInNodeOrder) {
    fake.AddNode(10, "0003:00000C45:00006556", testing::kBootKeyboard);
    fake.AddNode(3, testing::kMouseId, testing::GamingMouseInterface());
    fake.AddNode(5, "0003:bogus", testing::kBootMouse);  // unreadable identity: left out
    std::vector<std::string> paths;
    ASSERT_EQ(EnumerateHidPaths(paths), 1);
    EXPECT_THAT(paths, ElementsAre(testing::kPointerPath, testing::kConsumerPath,
                                   testing::kVendorPath, "hid#vid_0c45&pid_6556#/dev/hidraw10"));
}

TEST_F(Enumeration, NoDevicesIsSuccessWithNoPaths) {
    std::vector<std::string> paths = {"stale"};
    EXPECT_EQ(EnumerateHidPaths(paths), 1);
    EXPECT_TRUE(paths.empty());
}

TEST_F(Enumeration, UnlistableClassFolderFailsWithNothing) {
    fake.AddNode(3, testing::kMouseId, testing::kBootMouse);
    const auto folder = std::filesystem::path(fake.root()) / "class" / "hidraw";
    std::filesystem::remove_all(folder);
    std::ofstream(folder) << "not a folder";
    std::vector<std::string> paths = {"stale"};
    EXPECT_EQ(EnumerateHidPaths(paths), 0);
    EXPECT_TRUE(paths.empty());
}

class Opening : public HidrawTest {
protected:
    void SetUp() override {
        HidrawTest::SetUp();
        fake.AddNode(3, testing::kMouseId, testing::GamingMouseInterface());
    }
    HidInterface hid;
};

TEST_F(Opening, VendorCollectionGivesIdentityCapsAndTables) {
    ASSERT_EQ(Open(hid, testing::kVendorPath, true), 1);
    EXPECT_TRUE(hid.handle);
    EXPECT_EQ(hid.lastOpenStatus, OpenStatus::kOk);
    EXPECT_EQ(hid.attributes.vendorId, 0x260D);
    EXPECT_EQ(hid.attributes.productId, 0x1003);
    EXPECT_EQ(hid.caps.usagePage, 0xFF1C);
    EXPECT_EQ(hid.caps.usage, 0x0092);
    EXPECT_EQ(hid.caps.inputReportByteLength, 64);
    EXPECT_EQ(hid.caps.outputReportByteLength, 64);
    EXPECT_EQ(hid.inputReport.size(), 64u);
    EXPECT_EQ(hid.inputValueCaps.size(), 1u);
    EXPECT_EQ(hid.inputItems.size(), 1u);

    // Every open first closes what was open.
    ASSERT_EQ(Open(hid, testing::kConsumerPath, false), 1);
    EXPECT_EQ(hid.caps.usagePage, 0x0C);
    EXPECT_EQ(hid.caps.usage, 0x01);
    EXPECT_EQ(hid.caps.inputReportByteLength, 3);
    ASSERT_EQ(hid.inputItems.size(), 1u);
    EXPECT_TRUE(hid.inputItems[0].isButton);
    EXPECT_EQ(hid.inputItems[0].reportId, 3);
}

struct OpenFailure {
    std::string name;
    std::string path;
    OpenStatus status;
};

class OpenFailures : public Opening, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailures, LeaveNoHandleAndNoTables) {
    fake.Deny(3);
    ASSERT_EQ(Open(hid, testing::kVendorPath, true), 0);  // denied
    EXPECT_EQ(hid.lastOpenStatus, OpenStatus::kAccessDenied);
    fake.AddNode(4, testing::kMouseId, testing::kVendorConfig);
    ASSERT_EQ(Open(hid, "hid#vid_260d&pid_1003#/dev/hidraw4", true), 1);
    const int opensBefore = fake.opens();

    EXPECT_EQ(Open(hid, GetParam().path, true), 0);
    EXPECT_EQ(hid.lastOpenStatus, GetParam().status);
    EXPECT_FALSE(hid.handle);
    EXPECT_TRUE(hid.inputReport.empty());
    EXPECT_TRUE(hid.inputItems.empty());
    EXPECT_TRUE(hid.inputValueCaps.empty());
    EXPECT_EQ(hid.caps.usagePage, 0);
    if (GetParam().status == OpenStatus::kNotFound) {
        EXPECT_EQ(fake.opens(), opensBefore);  // refused before anything is opened
    }
    FreeHidTables(hid);
    CloseHidInterface(hid);
    CloseHidInterface(hid);
    EXPECT_FALSE(hid.handle);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenFailures,
    ::testing::Values(
        OpenFailure{"PermissionDenied", testing::kConsumerPath, OpenStatus::kAccessDenied},
        OpenFailure{"NoSuchNode", "hid#vid_260d&pid_1003#/dev/hidraw9", OpenStatus::kNotFound},
        OpenFailure{"NoSuchCollection", "hid#vid_260d&pid_1003&col04#/dev/hidraw3",
                    OpenStatus::kNotFound},
        OpenFailure{"NotAHidrawNode", "hid#vid_260d&pid_1003#/etc/hidraw3", OpenStatus::kNotFound},
        OpenFailure{"Garbage", "vid_260d", OpenStatus::kNotFound}),
    [](const auto& param) { return param.param.name; });

TEST(RealNodeHook, SeesEveryOpenOfARealNodeBeforeItHappens) {
    testing::FakeHidraw fake;
    fake.AddNode(3, testing::kMouseId, testing::kVendorConfig);
    HidrawConfig config;
    config.sysfsRoot = fake.root();  // sysfs from the fake tree, nodes from the real /dev
    std::shared_ptr<Backend> backend = MakeHidrawBackend(config);
    std::vector<std::string> opened;
    SetRealNodeOpenHook([&](const std::string& devNode) { opened.push_back(devNode); });
    std::unique_ptr<Connection> connection;
    OpenFlags flags;
    flags.read = true;
    backend->Open("hid#vid_260d&pid_1003#/dev/hidraw3", flags, connection);
    SetRealNodeOpenHook(nullptr);
    EXPECT_THAT(opened, ElementsAre("/dev/hidraw3"));
}

}  // namespace
}  // namespace platform::hid
