#include "ui/controls/device_key_button.h"

#include <algorithm>

namespace ui {

std::unique_ptr<toolkit::CControlUI> CDeviceKeyButtonUI::CreateControl() {
    return std::make_unique<CDeviceKeyButtonUI>();
}

void CDeviceKeyButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "lightimage") {
        lightImage_ = value;
        Invalidate();
    } else if (name == "keysetimage") {
        keySetImage_ = value;
        Invalidate();
    } else if (name == "gmnametextcolor") {
        // Older skins carry a name colour for game-mode labels; keys draw no such label.
    } else {
        CButtonUI::SetAttribute(name, value);
    }
}

void CDeviceKeyButtonUI::PaintStatusImage(toolkit::Canvas& canvas) {
    CButtonUI::PaintStatusImage(canvas);
    if (GetLightShown() != 0 && !lightImage_.empty()) {
        const auto alpha = static_cast<std::uint8_t>(std::min<std::uint32_t>(GetLightAlpha(), 255));
        canvas.DrawImage(lightImage_, GetPos(),
                         toolkit::render::ChangerTint::FromPacked(GetLightColour(), alpha));
    }
    if (GetKeySetHidden() == 0 && !keySetImage_.empty()) {
        canvas.DrawImage(keySetImage_, GetPos());
    }
}

}  // namespace ui
