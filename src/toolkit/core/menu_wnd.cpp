#include "toolkit/core/menu_wnd.h"

#include <algorithm>
#include <vector>

#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/window.h"

namespace toolkit {

namespace {

constexpr int kDefaultMenuWidth = 150;
constexpr int kDefaultItemHeight = 20;
constexpr uint32_t kPopupStyle = 0x80000000;

std::vector<CMenuWnd*>& OpenMenus() {
    static std::vector<CMenuWnd*> menus;
    return menus;
}

}  // namespace

CMenuWnd::~CMenuWnd() {
    std::erase(OpenMenus(), this);
}

bool CMenuWnd::Init(std::string xml, Point point, CPaintManagerUI* owner, int alignment) {
    xml_ = std::move(xml);
    point_ = point;
    owner_ = owner != nullptr ? owner->GetPaintWindow() : HWND();
    alignment_ = alignment;
    OpenMenus().push_back(this);
    if (!Create(owner_, "menu", kPopupStyle, 0)) {
        return false;  // the failed window's final message has deleted this object
    }
    ResizeMenu();
    ShowWindow(true);
    return true;
}

CMenuUI* CMenuWnd::GetMenuUI() const {
    return dynamic_cast<CMenuUI*>(pm_.GetRoot());
}

void CMenuWnd::ResizeMenu() {
    CMenuUI* menu = GetMenuUI();
    if (menu == nullptr) {
        return;
    }
    int width = menu->GetFixedWidth() > 0  ? menu->GetFixedWidth()
                : pm_.GetInitSize().cx > 0 ? pm_.GetInitSize().cx
                                           : kDefaultMenuWidth;
    int height = menu->GetInset().top + menu->GetInset().bottom;
    for (int i = 0; i < menu->GetCount(); ++i) {
        CControlUI* item = menu->GetItemAt(i);
        if (item->IsVisible()) {
            height += (item->GetFixedHeight() > 0 ? item->GetFixedHeight() : kDefaultItemHeight) +
                      menu->GetChildPadding();
        }
    }
    int x = (alignment_ & kMenuAlignRight) != 0 ? point_.x - width : point_.x;
    int y = (alignment_ & kMenuAlignBottom) != 0 ? point_.y - height : point_.y;
    MoveWindow(Rect::FromSize(x, y, width, height));
    pm_.NeedUpdate();
    pm_.Invalidate();
}

void CMenuWnd::DestroyMenu() {
    std::vector<CMenuWnd*> menus = OpenMenus();
    for (CMenuWnd* menu : menus) {
        if (std::find(OpenMenus().begin(), OpenMenus().end(), menu) != OpenMenus().end()) {
            platform::msg::DestroyWindow(menu->GetHWND());
        }
    }
}

int CMenuWnd::GetOpenMenuCount() {
    return static_cast<int>(OpenMenus().size());
}

void CMenuWnd::HandleNotify(TNotifyUI& msg) {
    auto* item = dynamic_cast<CMenuElementUI*>(msg.sender);
    if (msg.type != notify::kItemClick || item == nullptr) {
        return;
    }
    MenuCmd cmd{item->GetName(), item->GetUserData(), item->GetText()};
    HWND owner = owner_;
    // A task, not a posted pointer: if the owner dies first, the record dies with the task.
    platform::msg::PostTask(owner, [owner, cmd] {
        platform::msg::SendMessage(owner, kMenuCommandMessage, 0,
                                   reinterpret_cast<LPARAM>(new MenuCmd(cmd)));
    });
    Close();
}

LRESULT CMenuWnd::HandleCustomMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    // A menu goes away as soon as the user turns elsewhere.
    if (message == platform::msg::WM_KILLFOCUS) {
        Close();
    }
    handled = false;
    return 0;
}

void CMenuWnd::OnFinalMessage(HWND) {
    delete this;
}

}  // namespace toolkit
