#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/core/control.h"

namespace pugi {
class xml_node;
}

namespace toolkit {

class CPaintManagerUI;

// Creates controls for skin elements that neither the built-in kinds nor the control factory
// know (the window's page placeholders).
class IDialogBuilderCallback {
public:
    virtual ~IDialogBuilderCallback() = default;
    virtual std::unique_ptr<CControlUI> CreateControl(std::string_view className) = 0;
};

// Builds a control tree from a skin file (see docs/skin.md). Window settings, fonts, styles
// and class defaults of the file go to the paint manager when one is given.
class CDialogBuilder {
public:
    using AttributeList = std::vector<std::pair<std::string, std::string>>;

    // `xml` is a file in the skin folder or a symbolic name from "res.xml"; `type` is kept for
    // the callers' sake (only files are supported). Null when the file is unreadable or holds
    // no control.
    std::unique_ptr<CControlUI> Create(std::string_view xml, std::string_view type = {},
                                       IDialogBuilderCallback* callback = nullptr,
                                       CPaintManagerUI* manager = nullptr);
    // The same from XML text.
    std::unique_ptr<CControlUI> CreateFromString(std::string_view text,
                                                 IDialogBuilderCallback* callback = nullptr,
                                                 CPaintManagerUI* manager = nullptr);
    // Why the last build returned null.
    const std::string& GetLastError() const { return error_; }

private:
    std::unique_ptr<CControlUI> BuildDocument(const pugi::xml_node& top);
    void ReadWindowSettings(const pugi::xml_node& window);
    std::unique_ptr<CControlUI> BuildControl(const pugi::xml_node& node);
    void ApplyAttributes(CControlUI& control, const pugi::xml_node& node);
    const AttributeList* FindStyle(std::string_view name) const;

    IDialogBuilderCallback* callback_ = nullptr;
    CPaintManagerUI* manager_ = nullptr;
    std::map<std::string, AttributeList, std::less<>> styles_;
    std::map<std::string, AttributeList, std::less<>> defaults_;
    int includeDepth_ = 0;
    std::string error_;
};

}  // namespace toolkit
