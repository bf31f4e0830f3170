#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/label.h"

namespace ui {

// A key of the keyboard picture: a button that can show a light image recoloured by the
// keyboard preview and an overlay marking a key with a user assignment. The light fields and
// the overlay switch are written by the lighting thread while the UI thread paints, so they are
// atomic; the preview reads them on the next repaint.
class CDeviceKeyButtonUI : public toolkit::CButtonUI {
public:
    static constexpr std::string_view kClassName = "DeviceKeyButton";
    static std::unique_ptr<toolkit::CControlUI> CreateControl();

    std::string_view GetClass() const override { return kClassName; }

    const std::string& GetLightImage() const { return lightImage_; }
    const std::string& GetKeySetImage() const { return keySetImage_; }

    // Non-zero shows the light image.
    void SetLightShown(std::uint32_t shown) { lightShown_.store(shown, std::memory_order_relaxed); }
    std::uint32_t GetLightShown() const { return lightShown_.load(std::memory_order_relaxed); }
    // Packed green << 16 | blue << 8 | red.
    void SetLightColour(std::uint32_t packed) {
        lightColour_.store(packed, std::memory_order_relaxed);
    }
    std::uint32_t GetLightColour() const { return lightColour_.load(std::memory_order_relaxed); }
    // 0 … 255; larger values count as 255.
    void SetLightAlpha(std::uint32_t alpha) { lightAlpha_.store(alpha, std::memory_order_relaxed); }
    std::uint32_t GetLightAlpha() const { return lightAlpha_.load(std::memory_order_relaxed); }
    // Non-zero hides the assignment overlay.
    void SetKeySetHidden(std::uint32_t hidden) {
        keySetHidden_.store(hidden, std::memory_order_relaxed);
    }
    std::uint32_t GetKeySetHidden() const { return keySetHidden_.load(std::memory_order_relaxed); }

    // Nothing to prepare: the key's images come from its attributes.
    void DoInit() override {}
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintStatusImage(toolkit::Canvas& canvas) override;

private:
    std::string lightImage_;
    std::string keySetImage_;
    std::atomic<std::uint32_t> keySetHidden_{1};
    std::atomic<std::uint32_t> lightShown_{0};
    std::atomic<std::uint32_t> lightColour_{0x000000FF};
    std::atomic<std::uint32_t> lightAlpha_{200};
};

}  // namespace ui
