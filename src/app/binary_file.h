#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace app {

// Container of every binary profile file: a 16-byte header, then a payload whose size the
// file's type fixes (it is not stored).
inline constexpr size_t kBinaryHeaderSize = 16;
inline constexpr size_t kSignatureOffset = 0;  // 0x55AA little-endian: bytes AA 55
inline constexpr size_t kKindCodeOffset = 4;   // little-endian, 16 bits
inline constexpr uint16_t kBinarySignature = 0x55AA;

// Results of ReadBinaryFile.
inline constexpr int kBinaryRead = 0;
inline constexpr int kBinaryMissing = 1;  // absent or cannot be opened
inline constexpr int kBinaryBadSignature = -1;

// Reads the payload of the file into payload. kBinaryRead also when the file is shorter than
// header and payload: only the bytes present are copied. On kBinaryMissing and
// kBinaryBadSignature the buffer is left as it was. The kind code is not checked.
int ReadBinaryFile(std::string_view path, std::span<uint8_t> payload);

// Creates or replaces the file (atomically) with the header carrying kindCode and the payload;
// reserved header bytes are zero. A failure only leaves a diagnostic; false then.
bool WriteBinaryFile(std::string_view path, uint16_t kindCode, std::span<const uint8_t> payload);

}  // namespace app
