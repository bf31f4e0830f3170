// Reads and edits arbitrary INI text and checks that an edit does what it says: a set key reads
// back as set, a removed key or section reads as absent, and a key elsewhere keeps its value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "platform/fs/ini_document.h"
#include "platform/fs/text.h"

using platform::fs::EditProfileText;
using platform::fs::EqualsIgnoreCase;
using platform::fs::FindProfileValue;
using platform::fs::ProfileEdit;
using platform::fs::TrimSpaces;

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::optional<std::string> Copy(std::optional<std::string_view> value) {
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(16);
    const std::string otherSection = input.ConsumeRandomLengthString(16);
    const std::string otherKey = input.ConsumeRandomLengthString(16);
    const int action = input.ConsumeIntegralInRange(0, 2);
    const std::string text = input.ConsumeRemainingBytesAsString();

    auto found = FindProfileValue(text, section, key);
    if (found) {
        Check(TrimSpaces(*found) == *found);
        Check(found->find('\n') == std::string_view::npos);
    }

    ProfileEdit edit{section, key, value};
    if (action == 1) {
        edit.value = std::nullopt;
    } else if (action == 2) {
        edit.key = std::nullopt;
    }
    const auto otherBefore = Copy(FindProfileValue(text, otherSection, otherKey));
    auto edited = EditProfileText(text, edit);
    if (!edited) {
        return 0;
    }
    auto after = FindProfileValue(*edited, section, key);
    if (action == 0) {
        Check(after && *after == TrimSpaces(value));
    } else {
        Check(!after);
    }
    const bool sameSection = EqualsIgnoreCase(TrimSpaces(otherSection), TrimSpaces(section));
    const bool touched =
        sameSection && (action == 2 || EqualsIgnoreCase(TrimSpaces(otherKey), TrimSpaces(key)));
    if (!touched) {
        Check(Copy(FindProfileValue(*edited, otherSection, otherKey)) == otherBefore);
    }
    return 0;
}
