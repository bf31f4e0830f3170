#pragma once

#include <string>

namespace ui {

// The maker's web site, opened from the help panel and the about window.
inline constexpr const char* kMakerWebSite = "https://www.kavrin.example/";

// Like the shell's "open" verb: a URL or document goes to the desktop's opener (xdg-open); an
// executable file is started with `parameters` as its one argument (none when empty), in
// `directory` when given. Does not wait for it. False when nothing could be started.
bool ShellOpen(const std::string& file, const std::string& parameters = {},
               const std::string& directory = {});

}  // namespace ui
