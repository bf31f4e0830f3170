#include "platform/hid/hid_interface.h"

#include <algorithm>

namespace platform::hid {
namespace {

HidCaps CapsOf(const PreparsedData& preparsed) {
    const auto count = [](size_t n) { return static_cast<uint16_t>(std::min<size_t>(n, 0xFFFF)); };
    const ReportCaps& input = preparsed.of(ReportKind::kInput);
    const ReportCaps& output = preparsed.of(ReportKind::kOutput);
    const ReportCaps& feature = preparsed.of(ReportKind::kFeature);
    HidCaps caps;
    caps.usage = preparsed.usage;
    caps.usagePage = preparsed.usagePage;
    caps.inputReportByteLength = input.byteLength;
    caps.outputReportByteLength = output.byteLength;
    caps.featureReportByteLength = feature.byteLength;
    caps.numberLinkCollectionNodes = preparsed.linkCollectionCount;
    caps.numberInputButtonCaps = count(input.buttons.size());
    caps.numberInputValueCaps = count(input.values.size());
    caps.numberOutputButtonCaps = count(output.buttons.size());
    caps.numberOutputValueCaps = count(output.values.size());
    caps.numberFeatureButtonCaps = count(feature.buttons.size());
    caps.numberFeatureValueCaps = count(feature.values.size());
    return caps;
}

void AbortPendingIo(HidInterface& hid) {
    if (hid.readPending.load() || hid.writePending.load()) {
        hid.abort.Set();
    }
}

void CloseHandle(HidInterface& hid) {
    hid.handle.reset();
    hid.preparsed = PreparsedData{};
    hid.caps = HidCaps{};
    hid.attributes = Attributes{};
}

// Marks a transfer of one direction as outstanding for as long as it runs.
class PendingScope {
public:
    explicit PendingScope(std::atomic<int>& flag) : flag_(flag) { flag_.store(1); }
    ~PendingScope() { flag_.store(0); }
    PendingScope(const PendingScope&) = delete;
    PendingScope& operator=(const PendingScope&) = delete;

private:
    std::atomic<int>& flag_;
};

}  // namespace

HidInterface::HidInterface() = default;

void InitHidInterface(HidInterface& hid) {
    CloseHidInterface(hid);
    hid.pathCursor = 0;
    hid.wantRead = hid.wantWrite = hid.overlapped = hid.exclusive = false;
    hid.path.clear();
    hid.lastOpenStatus = OpenStatus::kOk;
    hid.readDone.Reset();
    hid.writeDone.Reset();
    hid.abort.Reset();
    hid.lastReadStatus = hid.lastWriteStatus = IoStatus::kOk;
}

int EnumerateHidPaths(std::vector<std::string>& paths) {
    paths.clear();
    if (!CurrentBackend().Enumerate(paths)) {
        paths.clear();
        return 0;
    }
    return 1;
}

int OpenHidInterface(HidInterface& hid) {
    AbortPendingIo(hid);
    FreeHidTables(hid);
    CloseHandle(hid);
    OpenFlags flags;
    flags.read = hid.wantRead;
    flags.write = hid.wantWrite;
    flags.overlapped = hid.overlapped;
    flags.exclusive = hid.exclusive;
    std::unique_ptr<Connection> connection;
    hid.lastOpenStatus = CurrentBackend().Open(hid.path, flags, connection);
    if (hid.lastOpenStatus != OpenStatus::kOk || !connection) {
        return 0;
    }
    hid.handle = std::move(connection);
    hid.preparsed = hid.handle->preparsed();
    hid.attributes = hid.handle->attributes();
    hid.caps = CapsOf(hid.preparsed);
    const ReportCaps& input = hid.preparsed.of(ReportKind::kInput);
    hid.inputReport.assign(hid.caps.inputReportByteLength, 0);
    hid.inputButtonCaps = input.buttons;
    hid.inputValueCaps = input.values;
    hid.inputItems = BuildInputItems(hid.preparsed);
    return 1;
}

void FreeHidTables(HidInterface& hid) {
    hid.inputReport = {};
    hid.inputItems = {};
    hid.inputButtonCaps = {};
    hid.inputValueCaps = {};
}

void CloseHidInterface(HidInterface& hid) {
    AbortPendingIo(hid);
    FreeHidTables(hid);
    CloseHandle(hid);
    hid.paths = {};
}

int WriteReport(HidInterface& hid, std::span<const uint8_t, kWriteReportLength> report,
                uint32_t& bytesWritten) {
    PendingScope pending(hid.writePending);
    bytesWritten = 0;
    if (!hid.handle) {
        hid.lastWriteStatus = IoStatus::kDisconnected;
        return 0;
    }
    hid.lastWriteStatus = hid.handle->Write(report, kWriteTimeoutMs, hid.abort);
    if (hid.lastWriteStatus != IoStatus::kOk) {
        return 0;
    }
    bytesWritten = static_cast<uint32_t>(report.size());
    hid.writeDone.Set();
    return 1;
}

int ReadReport(HidInterface& hid, std::span<uint8_t> buffer, uint32_t timeoutMs,
               uint32_t& bytesRead) {
    PendingScope pending(hid.readPending);
    bytesRead = 0;
    if (!hid.handle) {
        hid.lastReadStatus = IoStatus::kDisconnected;
        return 0;
    }
    size_t got = 0;
    hid.lastReadStatus = hid.handle->Read(buffer, got, timeoutMs, hid.abort);
    if (hid.lastReadStatus != IoStatus::kOk) {
        return 0;
    }
    bytesRead = static_cast<uint32_t>(got);
    hid.readDone.Set();
    return 1;
}

}  // namespace platform::hid
