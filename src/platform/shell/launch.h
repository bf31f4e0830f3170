#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::shell {

// Starts a program detached from this process (it outlives us and is never a zombie of
// ours). Arguments go to it as they are, one argv entry each: no shell sees them. The program
// is searched in PATH when it has no "/". `workingFolder` empty keeps ours. False when the
// program cannot be found or started.
bool LaunchDetached(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder = {});

// Opens a web address (or any URI, or a file) with the desktop's handler (xdg-open).
bool OpenUrl(std::string_view url);

// Runs a program the way the shell's "open" verb does: an executable file is started with the
// parameters, anything else is handed to the desktop's handler. `parameters` is one argument
// (empty: none).
bool OpenProgram(const std::string& path, const std::string& parameters,
                 const std::string& workingFolder);

}  // namespace platform::shell
