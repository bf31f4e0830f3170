// Starts like the application: the first instance holds the lock and prints "first", then
// "activated" for every activation request, until its standard input closes; a second start
// prints "second" after handing over and exits at once.
#include <unistd.h>

#include <cstring>

#include "platform/instance/activation.h"
#include "platform/instance/instance_lock.h"

namespace {

void Say(const char* line) {
    // One write per line, so lines from the listener thread never interleave.
    std::string text = std::string(line) + "\n";
    (void)!write(STDOUT_FILENO, text.data(), text.size());
}

}  // namespace

int main() {
    using namespace platform::instance;
    InstanceLock lock("PELLOXDRVER1");
    if (lock.HeldElsewhere()) {
        bool delivered = BroadcastActivation("OSTRIKAN_004");
        Say(delivered ? "second" : "second-undelivered");
        return 0;
    }
    ActivationListener listener("OSTRIKAN_004", [] { Say("activated"); });
    Say(listener.Listening() ? "first" : "first-deaf");
    char ignored;
    while (read(STDIN_FILENO, &ignored, 1) > 0) {
    }
    return 0;
}
