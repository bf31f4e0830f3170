#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/hid/hid_backend.h"
#include "platform/hid/input_items.h"
#include "platform/hid/report_descriptor.h"
#include "platform/hid/report_fields.h"
#include "platform/sys/event.h"

namespace platform::hid {

// Every request written to a device is one report of this length.
inline constexpr size_t kWriteReportLength = 64;
inline constexpr uint32_t kWriteTimeoutMs = 1000;

// Top-level capabilities of an open interface.
struct HidCaps {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    uint16_t numberLinkCollectionNodes = 0;
    uint16_t numberInputButtonCaps = 0;
    uint16_t numberInputValueCaps = 0;
    uint16_t numberOutputButtonCaps = 0;
    uint16_t numberOutputValueCaps = 0;
    uint16_t numberFeatureButtonCaps = 0;
    uint16_t numberFeatureValueCaps = 0;
};

// One interface that a device link or a sync thread holds open. Touched by its owner only,
// except `abort` (any thread may signal it) and the pending flags (any thread may look).
struct HidInterface {
    HidInterface();

    std::vector<std::string> paths;  // of the last enumeration
    uint32_t pathCursor = 0;         // next entry of `paths` that a scan examines
    bool wantRead = false;
    bool wantWrite = false;
    bool overlapped = false;
    bool exclusive = false;  // share for reading only
    std::unique_ptr<Connection> handle;
    std::string path;  // to open / that is open
    OpenStatus lastOpenStatus = OpenStatus::kOk;
    PreparsedData preparsed;  // of the open collection
    HidCaps caps;
    Attributes attributes;
    std::vector<uint8_t> inputReport;  // caps.inputReportByteLength bytes
    std::vector<HidDataItem> inputItems;
    std::vector<ButtonCaps> inputButtonCaps;
    std::vector<ValueCaps> inputValueCaps;
    // Signalled when a read / write completes, for callers that wait on it with other events.
    sys::Event readDone{sys::ResetMode::kAuto};
    sys::Event writeDone{sys::ResetMode::kAuto};
    sys::Event abort{sys::ResetMode::kAuto};  // ends one pending wait at once
    std::atomic<int> readPending{0};
    std::atomic<int> writePending{0};
    IoStatus lastReadStatus = IoStatus::kOk;
    IoStatus lastWriteStatus = IoStatus::kOk;
};

// Brings the record back to its fresh state (closed, no paths, no tables; events cleared).
void InitHidInterface(HidInterface& hid);
// 1 with the interface paths of the current backend (none is fine), 0 with an empty list.
int EnumerateHidPaths(std::vector<std::string>& paths);
// Opens hid.path with the access of the four flags and prepares identity, caps and the input
// decoding table. 1 on success; 0 with handle null and no tables (see lastOpenStatus).
int OpenHidInterface(HidInterface& hid);
// Frees the report buffer, decoding table and capability arrays; idempotent.
void FreeHidTables(HidInterface& hid);
// Ends pending I/O, frees the tables, closes the handle and forgets the paths.
void CloseHidInterface(HidInterface& hid);

// Writes one 64-byte report; 1 when it completed within 1000 ms, else 0.
int WriteReport(HidInterface& hid, std::span<const uint8_t, kWriteReportLength> report,
                uint32_t& bytesWritten);
// Reads one input report of the open collection; 1 when one arrived within the time-out.
int ReadReport(HidInterface& hid, std::span<uint8_t> buffer, uint32_t timeoutMs,
               uint32_t& bytesRead);

}  // namespace platform::hid
