#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace kavrin_testing {

ChildProcess::ChildProcess(const std::string& program) {
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    int error = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (error != 0) {
        pid_ = -1;
        throw std::runtime_error("posix_spawn failed");
    }
}

ChildProcess::~ChildProcess() {
    CloseInput();
    if (pid_ > 0) {
        Kill();
        Wait();
    }
    close(output_);
}

std::optional<std::string> ChildProcess::ReadLine(int timeoutMs) {
    for (;;) {
        size_t newline = pending_.find('\n');
        if (newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        pollfd p{output_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0) {
            return std::nullopt;
        }
        char chunk[256];
        ssize_t got = read(output_, chunk, sizeof chunk);
        if (got <= 0) {
            return std::nullopt;
        }
        pending_.append(chunk, static_cast<size_t>(got));
    }
}

void ChildProcess::CloseInput() {
    if (input_ >= 0) {
        close(input_);
        input_ = -1;
    }
}

void ChildProcess::Kill() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
    }
}

int ChildProcess::Wait() {
    if (pid_ <= 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kavrin_testing
