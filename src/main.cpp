#include <cstdio>
#include <cstring>

#include "platform/sys/clock.h"
#include "platform/sys/debug_output.h"
#include "platform/sys/thread.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: kavrin [--help]\nConfiguration utility of the KAVRIN ZR417 devices.");
            return 0;
        }
    }
    platform::sys::StoppableThread probe([](platform::sys::Event& stop) {
        platform::sys::WaitForSingleObject(stop, platform::sys::kInfinite);
    });
    probe.RequestStop();
    bool stopped = probe.Join(1000);
    std::printf("kavrin: platform services started and stopped cleanly (%s)\n",
                stopped ? "ok" : "thread did not stop");
    return stopped ? 0 : 1;
}
