#pragma once

#include "toolkit/core/list.h"

namespace toolkit {

// The list a menu window shows.
class CMenuUI : public CListUI {
public:
    std::string_view GetClass() const override { return "MenuUI"; }
};

// One entry of a menu, with its name, text and user data; a press chooses it.
class CMenuElementUI : public CListLabelElementUI {
public:
    std::string_view GetClass() const override { return "MenuElementUI"; }
};

}  // namespace toolkit
