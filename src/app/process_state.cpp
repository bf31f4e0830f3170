#include "app/process_state.h"

#include <atomic>
#include <cstdint>

namespace app {
namespace {

std::atomic<platform::msg::UINT> activationMessage{0};
std::atomic<uint64_t> mainWindow{0};

}  // namespace

platform::msg::UINT ActivationMessage() {
    return activationMessage.load();
}

void SetActivationMessage(platform::msg::UINT message) {
    activationMessage.store(message);
}

platform::msg::HWND MainWindowHandle() {
    return platform::msg::HWND(mainWindow.load());
}

void SetMainWindowHandle(platform::msg::HWND hwnd) {
    mainWindow.store(hwnd.value());
}

}  // namespace app
