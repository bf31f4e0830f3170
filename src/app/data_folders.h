#pragma once

#include <string>

namespace app {

// The per-user data folder (documents folder + "WN306/") and the folders of each device kind
// below it. Each is created when missing, on every call, and ends with "/". Safe from any thread.
std::string GetDataFolder();
std::string GetMouseFolder();
std::string GetPadFolder();
std::string GetKeyboardFolder();

}  // namespace app
