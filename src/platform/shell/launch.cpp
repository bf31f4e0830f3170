#include "platform/shell/launch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/sys/debug_output.h"

extern char** environ;

namespace platform::shell {

namespace {

constexpr const char* kDesktopOpener = "xdg-open";

// Full path of an executable: as given when it has a "/", else the first PATH match.
std::string ResolveProgram(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return access(program.c_str(), X_OK) == 0 ? program : std::string();
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        size_t colon = folders.find(':');
        std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        std::string candidate = std::string(folder.empty() ? "." : folder) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

bool LaunchDetached(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder) {
    std::string resolved = ResolveProgram(program);
    if (resolved.empty()) {
        sys::OutputDebugString("cannot start " + program + ": not found or not executable");
        return false;
    }
    // Everything the children need is built before fork: after it only async-signal-safe
    // calls are allowed (other threads may hold the allocator's locks).
    std::vector<char*> argv;
    argv.push_back(resolved.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();

    pid_t child = fork();
    if (child < 0) {
        sys::OutputDebugString("cannot start " + program + ": fork failed");
        return false;
    }
    if (child == 0) {
        // The intermediate child exits at once, so the program is adopted by init and we
        // never have to reap it.
        if (fork() == 0) {
            setsid();
            if (folder == nullptr || chdir(folder) == 0) {
                execve(argv[0], argv.data(), environ);
            }
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool OpenUrl(std::string_view url) {
    return LaunchDetached(kDesktopOpener, {std::string(url)});
}

bool OpenProgram(const std::string& path, const std::string& parameters,
                 const std::string& workingFolder) {
    std::error_code error;
    bool executable =
        std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
    if (!executable) {
        return LaunchDetached(kDesktopOpener, {path}, workingFolder);
    }
    std::vector<std::string> arguments;
    if (!parameters.empty()) {
        arguments.push_back(parameters);
    }
    return LaunchDetached(path, arguments, workingFolder);
}

}  // namespace platform::shell
