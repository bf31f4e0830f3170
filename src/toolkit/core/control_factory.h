#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/control.h"

namespace toolkit {

// Creates controls for skin element names (compared without regard to case). The built-in
// kinds are registered from the start; the program adds its own classes by name.
class CControlFactory {
public:
    using CreateClass = std::function<std::unique_ptr<CControlUI>()>;

    static CControlFactory& GetInstance();

    // Registers or replaces the creator of a class name.
    void RegistControl(std::string className, CreateClass creator);
    // A new control, or null for an unknown name.
    std::unique_ptr<CControlUI> CreateControl(std::string_view className) const;

private:
    CControlFactory();

    std::map<std::string, CreateClass, std::less<>> creators_;
};

}  // namespace toolkit
