#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace kavrin_testing {

// A child process with pipes on its standard input and output. The destructor kills and reaps a
// child that is still running.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& program);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of output without its newline; nullopt at end of output or after timeoutMs.
    std::optional<std::string> ReadLine(int timeoutMs = 5000);
    // Closes the child's standard input.
    void CloseInput();
    void Kill();
    // Waits for the child to end; its exit code, or -1 when a signal ended it.
    int Wait();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string pending_;
};

}  // namespace kavrin_testing
