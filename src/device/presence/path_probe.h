#pragma once

#include <string>

namespace device {

// The presence test of an interface path: it can still be opened (without access rights,
// shared). The test handle is closed again at once.
bool PathStillOpens(const std::string& path);

}  // namespace device
