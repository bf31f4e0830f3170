#pragma once

#include <cstdint>

namespace platform::sys {

// Milliseconds since an arbitrary start, wrapping at 2^32 like the system tick count.
uint32_t GetTickCount();
// Milliseconds on a monotonic clock without wrapping.
uint64_t GetTickCount64();
void Sleep(uint32_t ms);

}  // namespace platform::sys
