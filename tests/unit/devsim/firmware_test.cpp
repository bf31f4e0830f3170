#include "devsim/firmware.h"

#include <gtest/gtest.h>

#include <vector>

#include "devsim/device_kind.h"
#include "devsim/mouse_model.h"
#include "sim_client.h"

namespace devsim {
namespace {

using testing::MakeRequest;

FirmwareState Factory(DeviceKind kind) {
    return {ModelOf(kind).factoryMemory()};
}

std::vector<uint8_t> AnswerData(const Report& answer, size_t length) {
    return {answer.begin() + kFrameData, answer.begin() + kFrameData + length};
}

struct StatusCase {
    const char* name;
    DeviceKind kind;
    Report request;
    uint8_t expected;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.name;
}

class FirmwareStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(FirmwareStatus, AnswersWithStatus) {
    FirmwareState state = Factory(GetParam().kind);
    const Report answer = AnswerRequest(state, GetParam().request);
    EXPECT_EQ(answer[kFrameStatus], GetParam().expected);
    // The answer repeats the header and carries a valid checksum.
    EXPECT_EQ(answer[kFrameReportId], kVendorReportId);
    EXPECT_EQ(answer[kFrameCommand], GetParam().request[kFrameCommand]);
    EXPECT_EQ(FrameOffset(answer), FrameOffset(GetParam().request));
    EXPECT_TRUE(ChecksumMatches(answer));
}

const uint8_t kOneByte[] = {0x42};

INSTANTIATE_TEST_SUITE_P(
    Commands, FirmwareStatus,
    ::testing::Values(
        StatusCase{"BeginSession", DeviceKind::kMouse, MakeRequest(command::kBeginSession),
                   status::kOk},
        StatusCase{"EndSessionWithoutBegin", DeviceKind::kPad, MakeRequest(command::kEndSession),
                   status::kOk},
        StatusCase{"ReadInfo", DeviceKind::kKeyboard, MakeRequest(command::kReadDeviceInfo, 33),
                   status::kOk},
        StatusCase{"ReadLastParamBytes", DeviceKind::kPad,
                   MakeRequest(command::kReadParams, 56, kParamAreaSize - 56), status::kOk},
        StatusCase{"ReadParamsPastArea", DeviceKind::kPad,
                   MakeRequest(command::kReadParams, 56, kParamAreaSize - 55), status::kOutOfRange},
        StatusCase{"ReadParamsLengthZero", DeviceKind::kMouse,
                   MakeRequest(command::kReadParams, 0, 0), status::kBadRequest},
        StatusCase{"ReadParamsLength57", DeviceKind::kMouse,
                   MakeRequest(command::kReadParams, 57, 0), status::kBadRequest},
        StatusCase{"WriteParamsOneByte", DeviceKind::kKeyboard,
                   MakeRequest(command::kWriteParams, 1, 14, kOneByte), status::kOk},
        StatusCase{"KeyTableIndex4LastChunk", DeviceKind::kMouse,
                   MakeRequest(command::kReadKeyTable, 8, 4 * 126 + 504), status::kOk},
        StatusCase{"KeyTableBeyondArea", DeviceKind::kMouse,
                   MakeRequest(command::kReadKeyTable, 56, kKeyAreaSize - 8), status::kOutOfRange},
        StatusCase{"DefaultTableLastChunk", DeviceKind::kKeyboard,
                   MakeRequest(command::kReadDefaultTable, 8, 504), status::kOk},
        StatusCase{"PadHasNoKeyTables", DeviceKind::kPad,
                   MakeRequest(command::kReadKeyTable, 56, 0), status::kOutOfRange},
        StatusCase{"PadHasNoDefaultTable", DeviceKind::kPad,
                   MakeRequest(command::kReadDefaultTable, 56, 0), status::kOutOfRange},
        StatusCase{"MacroAreaLastChunk", DeviceKind::kMouse,
                   MakeRequest(command::kWriteMacroArea, 8,
                               mouse::kMacroCapacityUnits* kMacroUnit - 8, kOneByte),
                   status::kOk},
        StatusCase{"MacroAreaOverflow", DeviceKind::kMouse,
                   MakeRequest(command::kWriteMacroArea, 9,
                               mouse::kMacroCapacityUnits* kMacroUnit - 8, kOneByte),
                   status::kOutOfRange},
        StatusCase{"KeyboardHasNoMacroArea", DeviceKind::kKeyboard,
                   MakeRequest(command::kWriteMacroArea, 1, 0, kOneByte), status::kOutOfRange},
        StatusCase{"UnknownCommand", DeviceKind::kMouse, MakeRequest(4, 1, 0),
                   status::kBadRequest}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST(Firmware, ReadsComeFromTheAddressedArea) {
    for (DeviceKind kind : kAllDeviceKinds) {
        FirmwareState state = Factory(kind);
        const DeviceMemory& memory = state.memory;
        const Report info = AnswerRequest(state, MakeRequest(command::kReadDeviceInfo, 33));
        EXPECT_EQ(AnswerData(info, kInfoSize),
                  std::vector<uint8_t>(memory.info.begin(), memory.info.end()));
        const Report params = AnswerRequest(state, MakeRequest(command::kReadParams, 56, 64));
        EXPECT_EQ(AnswerData(params, 56),
                  std::vector<uint8_t>(memory.params.begin() + 64, memory.params.begin() + 120));
    }
    FirmwareState mouse = Factory(DeviceKind::kMouse);
    const Report keys = AnswerRequest(mouse, MakeRequest(command::kReadKeyTable, 56, 126));
    EXPECT_EQ(AnswerData(keys, 56), std::vector<uint8_t>(mouse.memory.keyTables.begin() + 126,
                                                         mouse.memory.keyTables.begin() + 182));
    const Report defaults = AnswerRequest(mouse, MakeRequest(command::kReadDefaultTable, 21, 0));
    EXPECT_EQ(AnswerData(defaults, 21),
              std::vector<uint8_t>(mouse.memory.defaultTable.begin(),
                                   mouse.memory.defaultTable.begin() + 21));
}

TEST(Firmware, WritesLandAtTheOffsetAndNoFurther) {
    const std::vector<uint8_t> data(56, 0xAB);
    struct Case {
        uint8_t cmd;
        std::vector<uint8_t> DeviceMemory::*area;
        uint16_t offset;
    };
    for (const Case& c : {Case{command::kWriteParams, &DeviceMemory::params, 64},
                          Case{command::kWriteKeyTable, &DeviceMemory::keyTables, 126 + 112},
                          Case{command::kWriteMacroArea, &DeviceMemory::macroArea, 56}}) {
        FirmwareState state = Factory(DeviceKind::kMouse);
        std::vector<uint8_t> expected = state.memory.*c.area;
        std::fill_n(expected.begin() + c.offset, 20, 0xAB);
        const Report answer = AnswerRequest(state, MakeRequest(c.cmd, 20, c.offset, data));
        EXPECT_EQ(answer[kFrameStatus], status::kOk);
        EXPECT_EQ(state.memory.*c.area, expected) << "command " << int{c.cmd};
    }
}

TEST(Firmware, RefusedRequestsLeaveMemoryAlone) {
    FirmwareState state = Factory(DeviceKind::kMouse);
    const DeviceMemory before = state.memory;
    const std::vector<uint8_t> data(56, 0xCD);
    AnswerRequest(state, MakeRequest(command::kWriteParams, 57, 0, data));
    AnswerRequest(state, MakeRequest(command::kWriteParams, 56, kParamAreaSize - 55, data));
    AnswerRequest(state, MakeRequest(command::kWriteKeyTable, 56, kKeyAreaSize - 55, data));
    EXPECT_EQ(state.memory.params, before.params);
    EXPECT_EQ(state.memory.keyTables, before.keyTables);
}

TEST(Firmware, SessionFollowsBeginAndEnd) {
    FirmwareState state = Factory(DeviceKind::kKeyboard);
    AnswerRequest(state, MakeRequest(command::kBeginSession));
    EXPECT_TRUE(state.sessionOpen);
    AnswerRequest(state, MakeRequest(command::kEndSession));
    EXPECT_FALSE(state.sessionOpen);
}

TEST(Firmware, WrongChecksumIsStillCarriedOut) {
    FirmwareState state = Factory(DeviceKind::kMouse);
    Report request = MakeRequest(command::kWriteParams, 1, 14, kOneByte);
    request[kFrameChecksum] ^= 0xFF;
    EXPECT_FALSE(ChecksumMatches(request));
    EXPECT_EQ(AnswerRequest(state, request)[kFrameStatus], status::kOk);
    EXPECT_EQ(state.memory.params[14], 0x42);
}

TEST(Firmware, ChecksumSumsBytesThreeOnward) {
    EXPECT_EQ(ReportChecksum(Report{}), 0);
    Report request = MakeRequest(command::kBeginSession);
    EXPECT_EQ(request[kFrameChecksum], 1);
    request.fill(0xFF);
    EXPECT_EQ(ReportChecksum(request), static_cast<uint16_t>(61 * 0xFF));
}

}  // namespace
}  // namespace devsim
