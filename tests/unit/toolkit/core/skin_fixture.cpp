#include "skin_fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/msg/messages.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"

namespace toolkit::testing {

SkinDir::SkinDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kavrin_skin_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    CResourceManager::GetInstance().Release();
    CPaintManagerUI::ClearSharedStyles();
    CResourceManager::GetInstance().SetResourcePath(path_);
}

SkinDir::~SkinDir() {
    CResourceManager::GetInstance().Release();
    CPaintManagerUI::ClearSharedStyles();
    std::filesystem::remove_all(path_);
}

void SkinDir::Write(const std::string& name, const std::string& content) const {
    std::ofstream(std::filesystem::path(path_) / name) << content;
}

std::string WindowSkin(const std::string& body, int width, int height) {
    return "<Window size=\"" + std::to_string(width) + "," + std::to_string(height) + "\">" + body +
           "</Window>";
}

void TestWindow::Notify(TNotifyUI& msg) {
    received.push_back(msg.type + ":" + (msg.sender != nullptr ? msg.sender->GetName() : ""));
    if (onNotify) {
        onNotify(msg);
    }
    WindowImplBase::Notify(msg);
}

std::unique_ptr<CControlUI> TestWindow::CreateControl(std::string_view className) {
    auto found = customElements.find(std::string(className));
    return found != customElements.end() ? found->second() : nullptr;
}

LRESULT TestWindow::HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = onMessage && onMessage(message, wParam, lParam);
    return 0;
}

}  // namespace toolkit::testing
