#pragma once

#include <string>

#include "toolkit/core/menu_cmd.h"
#include "toolkit/core/menu_ui.h"
#include "toolkit/core/window.h"

namespace toolkit {

// Where a menu opens relative to its point: by default its top-left corner is at the point;
// kMenuAlignRight puts its right edge there, kMenuAlignBottom its bottom edge.
inline constexpr int kMenuAlignLeft = 2;
inline constexpr int kMenuAlignTop = 4;
inline constexpr int kMenuAlignRight = 8;
inline constexpr int kMenuAlignBottom = 16;

// A pop-up menu window built from a menu skin. Choosing an item sends the owner
// kMenuCommandMessage with the item's name, user data and text, and closes the menu. The
// object owns itself: it is deleted when its window is destroyed.
class CMenuWnd final : public WindowImplBase {
public:
    CMenuWnd() = default;

    // Builds the menu and shows it at the screen point. False when the skin cannot be built;
    // the object is then already deleted.
    bool Init(std::string xml, Point point, CPaintManagerUI* owner,
              int alignment = kMenuAlignLeft | kMenuAlignTop);
    CMenuUI* GetMenuUI() const;
    // Fits the window to its items again (after items were added or removed).
    void ResizeMenu();
    // Destroys every open menu.
    static void DestroyMenu();
    static int GetOpenMenuCount();

    std::string GetWindowClassName() const override { return "MenuWnd"; }
    std::string GetSkinFile() const override { return xml_; }

protected:
    void HandleNotify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void OnFinalMessage(HWND hwnd) override;

private:
    ~CMenuWnd() override;

    std::string xml_;
    Point point_;
    HWND owner_;
    int alignment_ = kMenuAlignLeft | kMenuAlignTop;
};

}  // namespace toolkit
