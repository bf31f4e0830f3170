#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/sys/event.h"

namespace platform::hid {

struct PreparsedData;  // one parsed top-level collection (report_descriptor.h)

// What happened to one transfer; the device layer derives its integer codes from these.
enum class IoStatus { kOk, kTimeout, kAborted, kDisconnected, kIoError };

// Why an open failed; kAccessDenied is kept apart so that the user can be told how to get access.
enum class OpenStatus { kOk, kNotFound, kAccessDenied, kIoError };

struct OpenFlags {
    bool read = false;
    bool write = false;
    bool overlapped = false;
    bool exclusive = false;  // share for reading only
};

struct Attributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

// One open top-level collection. Reports carry the report id in byte 0 (0 when the collection
// has none), whatever the platform does underneath. A transfer blocks until it completes, the
// time-out passes or `abort` is signalled (which consumes it); it is cancelled before returning,
// so nothing is written into the caller's buffer afterwards.
class Connection {
public:
    virtual ~Connection() = default;
    virtual const Attributes& attributes() const = 0;
    virtual const PreparsedData& preparsed() const = 0;
    virtual IoStatus Write(std::span<const uint8_t> report, uint32_t timeoutMs,
                           sys::Event& abort) = 0;
    virtual IoStatus Read(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                          sys::Event& abort) = 0;
};

// A source of HID interfaces: hidraw on Linux, or the device simulator.
class Backend {
public:
    virtual ~Backend() = default;
    // One path per top-level collection, carrying "vid_xxxx&pid_xxxx". False on failure.
    virtual bool Enumerate(std::vector<std::string>& paths) = 0;
    virtual OpenStatus Open(const std::string& path, const OpenFlags& flags,
                            std::unique_ptr<Connection>& connection) = 0;
};

// The process-wide backend, chosen once at start (before any thread uses HID).
void SetBackend(std::shared_ptr<Backend> backend);
Backend& CurrentBackend();

}  // namespace platform::hid
