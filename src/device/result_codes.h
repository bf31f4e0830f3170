#pragma once

namespace device {

// Results of an exchange and of every device command. Callers compare against these names;
// the values are what the rest of the system stores and logs.
inline constexpr int kResultSuccess = 1;
// The link is not connected, or no answer arrived after every attempt.
inline constexpr int kResultNoAnswer = 0;
// The request could not be written (also: a request the caller's arguments cannot form).
inline constexpr int kResultWriteFailed = -1;
inline constexpr int kResultStatus255 = -102;
inline constexpr int kResultStatus254 = -103;
// A key-table index above the last on-device profile.
inline constexpr int kResultBadTableIndex = -201;

}  // namespace device
