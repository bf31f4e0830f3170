#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/hid/hidraw_backend.h"
#include "platform/hid/unique_fd.h"
#include "temp_folder.h"

namespace platform::hid::testing {

// A sysfs tree in a temporary folder whose hidraw nodes are socket pairs: the backend gets one
// end as the node's descriptor, the test plays the device on the other.
class FakeHidraw {
public:
    void AddNode(int number, const std::string& hidId, const std::vector<uint8_t>& descriptor);
    // Opening the node fails as if its permissions kept us out.
    void Deny(int number) { denied_.insert(number); }
    // The device hangs up.
    void Unplug(int number) { device_.erase(number); }

    // The device's end of node `number`.
    int device(int number) const { return device_.at(number).get(); }
    void Send(int number, const std::vector<uint8_t>& report) const;
    // The next report written to the device, or nothing within `timeoutMs`.
    std::vector<uint8_t> Receive(int number, int timeoutMs) const;

    const std::string& root() const { return folder_.path(); }
    HidrawConfig config();
    int opens() const { return opens_; }

private:
    kavrin_testing::TempFolder folder_;
    std::map<int, UniqueFd> host_;
    std::map<int, UniqueFd> device_;
    std::set<int> denied_;
    int opens_ = 0;
};

}  // namespace platform::hid::testing
