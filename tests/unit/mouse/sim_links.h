#pragma once

#include <string>

#include "device/device_link.h"
#include "devsim/simulator.h"
#include "temp_folder.h"

namespace kavrin_testing {

// The simulated mouse, keyboard and mousepad behind connected links, with a fresh data,
// configuration and program folder, so reads and the profile files they store stay inside the
// test.
class SimLinks {
public:
    SimLinks();
    SimLinks(const SimLinks&) = delete;
    SimLinks& operator=(const SimLinks&) = delete;

    static constexpr devsim::PluggedDevice kAllPlugged[] = {{devsim::DeviceKind::kMouse, 0},
                                                            {devsim::DeviceKind::kKeyboard, 0},
                                                            {devsim::DeviceKind::kPad, 0}};
    devsim::Simulator sim{kAllPlugged};
    device::DeviceLink mouse;
    device::DeviceLink keyboard;
    device::DeviceLink pad;
    TempFolder folder;

    // The file as the kind's data folder holds it ("ms", "kb", "mp" below the data folder).
    std::string DataFile(const std::string& kindFolder, const std::string& name) const;

private:
    ScopedEnv documents_;
    ScopedEnv config_;
    ScopedEnv program_;
};

}  // namespace kavrin_testing
