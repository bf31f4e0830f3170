#pragma once

#include <memory>
#include <string>

#include "toolkit/core/ui_types.h"

namespace toolkit {

// Message a menu sends its owner when an item is chosen (WM_USER + 121); lParam points to a
// MenuCmd that the receiver owns and frees (TakeMenuCmd).
inline constexpr UINT kMenuCommandMessage = 0x0400 + 121;

struct MenuCmd {
    std::string name;
    std::string userData;
    std::string text;
};

// Takes ownership of the record of a kMenuCommandMessage.
inline std::unique_ptr<MenuCmd> TakeMenuCmd(LPARAM lParam) {
    return std::unique_ptr<MenuCmd>(reinterpret_cast<MenuCmd*>(lParam));
}

}  // namespace toolkit
