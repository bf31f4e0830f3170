#pragma once

// Builds the shipped skin files the way the main window does: custom controls registered, page
// placeholders replaced by their sub-skins, the program folder's skin/ as resource path.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/window.h"

namespace skin_test {

// Points the resource manager at the built program folder's skin/ with res.xml and a language
// loaded, and registers the custom control classes; undone on destruction.
class ShippedSkin {
public:
    explicit ShippedSkin(std::string_view language = "lan_en.xml");
    ~ShippedSkin();
    ShippedSkin(const ShippedSkin&) = delete;
    ShippedSkin& operator=(const ShippedSkin&) = delete;

    static std::string Folder();
};

// Resolves the main skin's placeholders and custom elements like the program's main window.
class PlaceholderCallback : public toolkit::IDialogBuilderCallback {
public:
    explicit PlaceholderCallback(toolkit::CPaintManagerUI* manager) : manager_(manager) {}
    std::unique_ptr<toolkit::CControlUI> CreateControl(std::string_view className) override;

private:
    toolkit::CPaintManagerUI* manager_;
};

// A window of one shipped skin file.
class SkinWindow : public toolkit::WindowImplBase {
public:
    explicit SkinWindow(std::string skin) : skin_(std::move(skin)) {}
    std::string GetWindowClassName() const override { return "SkinTestWnd"; }
    std::string GetSkinFile() const override { return skin_; }
    std::unique_ptr<toolkit::CControlUI> CreateControl(std::string_view className) override;
    using WindowImplBase::FindControl;

private:
    std::string skin_;
};

// Names of every control in a tree.
std::vector<std::string> NamesIn(toolkit::CControlUI& root);

}  // namespace skin_test
