#pragma once

#include "toolkit/core/control.h"

namespace toolkit {

// Placeholder for embedded content (the skins' animations): it draws like a plain control and
// tells the window once, after joining it, that the content may be shown ("showactivex").
class CActiveXUI : public CControlUI {
public:
    std::string_view GetClass() const override { return "ActiveXUI"; }
    void DoInit() override;

private:
    bool announced_ = false;
};

}  // namespace toolkit
