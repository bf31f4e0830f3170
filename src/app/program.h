#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devsim/simulator.h"

namespace app {

struct ProgramOptions {
    bool help = false;
    // Devices to simulate (`--simulate[=mouse,keyboard,pad]`); nullopt: real devices.
    std::optional<std::vector<devsim::PluggedDevice>> simulate;
    // `--screenshot FILE`: picture of the main window once it has started, then exit.
    std::optional<std::string> screenshot;
    // `--automation PATH`: serve the automation channel on a Unix socket at PATH.
    std::optional<std::string> automation;
};

std::string_view UsageText();

// nullopt with a one-line reason for a command line that cannot be used.
std::optional<ProgramOptions> ParseCommandLine(std::span<const char* const> args,
                                               std::string& error);

// The whole run of the program: single instance, skin resources, custom controls, the main
// window and its message loop, clean-up. Returns the process's exit code.
int RunProgram(const ProgramOptions& options);

}  // namespace app
