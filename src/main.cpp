#include <cstdio>
#include <span>
#include <string>

#include "app/program.h"

int main(int argc, char** argv) {
    std::string error;
    const std::optional<app::ProgramOptions> options =
        app::ParseCommandLine(std::span<const char* const>(argv + 1, argc - 1), error);
    if (!options) {
        std::fprintf(stderr, "kavrin: %s\n%s", error.c_str(), app::UsageText().data());
        return 2;
    }
    if (options->help) {
        std::fputs(app::UsageText().data(), stdout);
        return 0;
    }
    return app::RunProgram(*options);
}
