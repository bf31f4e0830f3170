#include "ui/windows/shell_open.h"

#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace ui {

bool ShellOpen(const std::string& file, const std::string& parameters,
               const std::string& directory) {
    const bool program = file.find("://") == std::string::npos && access(file.c_str(), X_OK) == 0;
    std::vector<std::string> args;
    if (program) {
        args.push_back(file);
        if (!parameters.empty()) {
            args.push_back(parameters);
        }
    } else {
        args = {"xdg-open", file};
    }
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    // Double fork: the opener is re-parented to init, so no zombie is left for us to reap. Only
    // async-signal-safe calls happen after fork in this multi-threaded process.
    pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        if (fork() == 0) {
            if (!directory.empty() && chdir(directory.c_str()) != 0) {
                _exit(127);
            }
            execvp(argv[0], argv.data());
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace ui
