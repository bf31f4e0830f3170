#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/color_palette.h"
#include "toolkit/core/window.h"
#include "ui/windows/live_instances.h"

namespace ui {

// The colours of the swatches "ms_dpi_color_png_0" … "ms_dpi_color_png_29", in order (ARGB).
inline constexpr std::array<toolkit::Color, 30> kPresetColours = {
    0xFFFF0000, 0xFF00F6FF, 0xFF6CFF00, 0xFF7E00FF, 0xFF008AFF, 0xFF2400FF, 0xFFADFE00, 0xFFFE5400,
    0xFFFE8300, 0xFF8300E7, 0xFFB700AC, 0xFFFEB300, 0xFFFEF500, 0xFFFF0000, 0xFFFF00F6, 0xFF21B309,
    0xFF48B1FA, 0xFFFA48A4, 0xFFFDFDFC, 0xFF4900E7, 0xFFFFC480, 0xFF000000, 0xFF1B48A3, 0xFF1B1A77,
    0xFF4877A3, 0xFF76A348, 0xFFACD55B, 0xFF7576D2, 0xFF7675FF, 0xFF4776A4};

// The preset a control stands for: its name is "ms_dpi_color_png_" and a swatch number. Nothing
// for other names and for numbers without a preset.
std::optional<toolkit::Color> SwatchColour(std::string_view controlName);

// The colour dialog from "GmPalletDialog.xml": a colour palette, thirty preset swatches and a
// preview of the colour the user is about to take. Modal result 1 (IDOK) when "okbtn" confirms,
// 2 (IDCANCEL) when "closebtn" or the system close command ends it. The object owns itself and
// is deleted with its window, so the chosen colour leaves through `onConfirmed` before then.
class CPalletDialog final : public toolkit::WindowImplBase {
public:
    using ConfirmHandler = std::function<void(toolkit::Color)>;

    explicit CPalletDialog(toolkit::Color start, ConfirmHandler onConfirmed = {});

    std::string GetWindowClassName() const override { return "UIPalletDialog"; }
    std::string GetSkinFile() const override { return skinFile_; }
    void InitWindow() override;
    void Notify(toolkit::TNotifyUI& msg) override;
    // The start colour, or the chosen one once the user confirmed.
    toolkit::Color GetColour() const { return colour_; }

    // The dialogs alive now, oldest first.
    static const std::vector<CPalletDialog*>& OpenDialogs() {
        return LiveInstance<CPalletDialog>::All();
    }

protected:
    void OnFinalMessage(toolkit::HWND hwnd) override;

private:
    ~CPalletDialog() override = default;
    void Confirm();
    // Puts the colour in the preview and on the palette.
    void ShowColour(toolkit::Color colour);

    std::string skinFile_ = "GmPalletDialog.xml";
    toolkit::CColorPaletteUI* palette_ = nullptr;
    toolkit::Color colour_;
    ConfirmHandler onConfirmed_;
    LiveInstance<CPalletDialog> live_{this};
};

// Runs the dialog modally over `owner`, its top-left corner 10 px left of and 10 px below the
// pointer (where the pointer is unknown: centred on the owner). The chosen colour when the user
// confirmed, nothing when closed, cancelled, or the window could not be created.
std::optional<toolkit::Color> ChooseColour(toolkit::HWND owner, toolkit::Color start);

}  // namespace ui
