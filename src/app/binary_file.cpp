#include "app/binary_file.h"

#include <algorithm>
#include <string>

#include "platform/fs/file_ops.h"
#include "platform/sys/debug_output.h"

namespace app {
namespace {

void PutLittleEndian16(std::string& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

bool HasSignature(const std::string& bytes) {
    // A file of fewer than two bytes cannot carry the signature.
    return bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == (kBinarySignature & 0xFF) &&
           static_cast<uint8_t>(bytes[1]) == (kBinarySignature >> 8);
}

}  // namespace

int ReadBinaryFile(std::string_view path, std::span<uint8_t> payload) {
    if (!platform::fs::FileExists(path)) {
        return kBinaryMissing;
    }
    auto bytes = platform::fs::ReadFile(path, kBinaryHeaderSize + payload.size());
    if (!bytes) {
        return kBinaryMissing;
    }
    if (!HasSignature(*bytes)) {
        return kBinaryBadSignature;
    }
    if (bytes->size() > kBinaryHeaderSize) {
        std::copy(bytes->begin() + kBinaryHeaderSize, bytes->end(), payload.begin());
    }
    return kBinaryRead;
}

bool WriteBinaryFile(std::string_view path, uint16_t kindCode, std::span<const uint8_t> payload) {
    std::string bytes(kBinaryHeaderSize, '\0');
    PutLittleEndian16(bytes, kSignatureOffset, kBinarySignature);
    PutLittleEndian16(bytes, kKindCodeOffset, kindCode);
    bytes.append(payload.begin(), payload.end());
    if (!platform::fs::WriteFileAtomic(path, bytes)) {
        platform::sys::OutputDebugString("文件打开失败");
        return false;
    }
    return true;
}

}  // namespace app
