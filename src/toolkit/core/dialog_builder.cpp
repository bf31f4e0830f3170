#include "toolkit/core/dialog_builder.h"

#include <pugixml.hpp>

#include "platform/sys/debug_output.h"
#include "toolkit/core/container.h"
#include "toolkit/core/control_factory.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

namespace {

// Includes nest at most this deep, so that a file including itself cannot recurse forever.
constexpr int kMaxIncludeDepth = 8;

CDialogBuilder::AttributeList AttributesOf(const pugi::xml_node& node,
                                           std::initializer_list<std::string_view> skip) {
    CDialogBuilder::AttributeList list;
    for (pugi::xml_attribute attribute : node.attributes()) {
        std::string_view name = attribute.name();
        if (std::find(skip.begin(), skip.end(), name) == skip.end()) {
            list.emplace_back(ToLower(name), attribute.as_string());
        }
    }
    return list;
}

bool IsSettingElement(std::string_view name) {
    return EqualsNoCase(name, "Font") || EqualsNoCase(name, "Style") ||
           EqualsNoCase(name, "Default");
}

}  // namespace

std::unique_ptr<CControlUI> CDialogBuilder::Create(std::string_view xml, std::string_view,
                                                   IDialogBuilderCallback* callback,
                                                   CPaintManagerUI* manager) {
    callback_ = callback;
    manager_ = manager;
    std::string path = CResourceManager::GetInstance().ResolvePath(xml);
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    if (!parsed) {
        error_ = path + ": " + parsed.description();
        platform::sys::OutputDebugString("skin unreadable: " + error_);
        return nullptr;
    }
    return BuildDocument(doc.document_element());
}

std::unique_ptr<CControlUI> CDialogBuilder::CreateFromString(std::string_view text,
                                                             IDialogBuilderCallback* callback,
                                                             CPaintManagerUI* manager) {
    callback_ = callback;
    manager_ = manager;
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
    if (!parsed) {
        error_ = parsed.description();
        return nullptr;
    }
    return BuildDocument(doc.document_element());
}

std::unique_ptr<CControlUI> CDialogBuilder::BuildDocument(const pugi::xml_node& top) {
    error_.clear();
    if (!EqualsNoCase(top.name(), "Window")) {
        auto control = BuildControl(top);
        if (control == nullptr && error_.empty()) {
            error_ = std::string("no control for <") + top.name() + ">";
        }
        return control;
    }
    ReadWindowSettings(top);
    for (pugi::xml_node child : top.children()) {
        if (child.type() == pugi::node_element && !IsSettingElement(child.name())) {
            if (auto control = BuildControl(child)) {
                return control;
            }
        }
    }
    error_ = "the window holds no control";
    return nullptr;
}

void CDialogBuilder::ReadWindowSettings(const pugi::xml_node& window) {
    if (manager_ != nullptr) {
        for (pugi::xml_attribute attribute : window.attributes()) {
            std::string name = ToLower(attribute.name());
            std::string_view value = attribute.as_string();
            if (name == "size") {
                manager_->SetInitSize(ParseSize(value));
            } else if (name == "caption") {
                manager_->SetCaptionRect(ParseRect(value));
            } else if (name == "roundcorner") {
                manager_->SetRoundCorner(ParseSize(value));
            } else if (name == "mininfo") {
                manager_->SetMinInfo(ParseSize(value));
            } else if (name == "maxinfo") {
                manager_->SetMaxInfo(ParseSize(value));
            }
        }
    }
    for (pugi::xml_node child : window.children()) {
        std::string_view kind = child.name();
        if (EqualsNoCase(kind, "Font") && manager_ != nullptr) {
            render::TextStyle font;
            font.font_face = child.attribute("name").as_string();
            font.size = child.attribute("size").as_int(12);
            font.bold = child.attribute("bold").as_bool();
            font.italic = child.attribute("italic").as_bool();
            font.underline = child.attribute("underline").as_bool();
            manager_->AddFont(child.attribute("id").as_int(), font);
        } else if (EqualsNoCase(kind, "Style")) {
            std::string name = child.attribute("name").as_string();
            AttributeList attributes = AttributesOf(child, {"name", "shared"});
            if (child.attribute("shared").as_bool()) {
                CPaintManagerUI::AddSharedStyle(name, attributes);
            } else if (manager_ != nullptr) {
                manager_->AddStyle(name, attributes);
            }
            styles_[name] = std::move(attributes);
        } else if (EqualsNoCase(kind, "Default")) {
            std::string className = ToLower(child.attribute("class").as_string());
            AttributeList attributes = AttributesOf(child, {"class"});
            if (manager_ != nullptr) {
                manager_->AddDefaultAttributes(className, attributes);
            }
            defaults_[className] = std::move(attributes);
        }
    }
}

const CDialogBuilder::AttributeList* CDialogBuilder::FindStyle(std::string_view name) const {
    auto found = styles_.find(name);
    if (found != styles_.end()) {
        return &found->second;
    }
    return manager_ != nullptr ? manager_->GetStyle(name) : CPaintManagerUI::GetSharedStyle(name);
}

void CDialogBuilder::ApplyAttributes(CControlUI& control, const pugi::xml_node& node) {
    std::string className = ToLower(node.name());
    const AttributeList* defaults = nullptr;
    if (auto found = defaults_.find(className); found != defaults_.end()) {
        defaults = &found->second;
    } else if (manager_ != nullptr) {
        defaults = manager_->GetDefaultAttributes(className);
    }
    if (defaults != nullptr) {
        for (const auto& [name, value] : *defaults) {
            control.SetAttribute(name, value);
        }
    }
    // The style first, so that the element's own attributes override it.
    if (pugi::xml_attribute style = node.attribute("style")) {
        if (const AttributeList* attributes = FindStyle(style.as_string())) {
            for (const auto& [name, value] : *attributes) {
                control.SetAttribute(name, value);
            }
        } else {
            platform::sys::OutputDebugString(std::string("unknown style ") + style.as_string());
        }
    }
    for (pugi::xml_attribute attribute : node.attributes()) {
        std::string name = ToLower(attribute.name());
        if (name != "style") {
            control.SetAttribute(name, attribute.as_string());
        }
    }
}

std::unique_ptr<CControlUI> CDialogBuilder::BuildControl(const pugi::xml_node& node) {
    std::string_view kind = node.name();
    if (EqualsNoCase(kind, "Include")) {
        if (includeDepth_ >= kMaxIncludeDepth) {
            error_ = "includes nested too deeply";
            return nullptr;
        }
        CDialogBuilder nested;
        nested.includeDepth_ = includeDepth_ + 1;
        nested.styles_ = styles_;
        nested.defaults_ = defaults_;
        auto included =
            nested.Create(node.attribute("source").as_string(), {}, callback_, manager_);
        if (included == nullptr) {
            error_ = nested.error_;
        }
        return included;
    }
    std::unique_ptr<CControlUI> control = CControlFactory::GetInstance().CreateControl(kind);
    if (control == nullptr && callback_ != nullptr) {
        control = callback_->CreateControl(kind);
    }
    if (control == nullptr) {
        platform::sys::OutputDebugString("no control for element " + std::string(kind));
        return nullptr;
    }
    ApplyAttributes(*control, node);
    auto* container = dynamic_cast<CContainerUI*>(control.get());
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        if (container == nullptr) {
            platform::sys::OutputDebugString("children of a non-container ignored: " +
                                             std::string(kind));
            break;
        }
        container->Add(BuildControl(child));
    }
    return control;
}

}  // namespace toolkit
