#include "ui/windows/pallet_dialog.h"

#include <charconv>

#include "platform/msg/window.h"
#include "platform/shell/cursor_pos.h"
#include "platform/sys/debug_output.h"

namespace ui {

namespace {

constexpr std::string_view kSwatchPrefix = "ms_dpi_color_png_";
constexpr uint32_t kDialogStyle = 0x96C80000;  // pop-up, visible, clipping, caption, system menu
constexpr uint32_t kDialogExStyle = 0x100;     // window edge
// The dialog opens just below and left of the pointer, so the pointer is over its title.
constexpr int kPointerOffset = 10;

}  // namespace

std::optional<toolkit::Color> SwatchColour(std::string_view controlName) {
    const std::size_t split = controlName.rfind('_');
    if (split == std::string_view::npos || controlName.substr(0, split + 1) != kSwatchPrefix) {
        return std::nullopt;
    }
    const std::string_view digits = controlName.substr(split + 1);
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    // A number past the table (a skin with more swatches) shows nothing rather than reading on.
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        number >= kPresetColours.size()) {
        return std::nullopt;
    }
    return kPresetColours[number];
}

CPalletDialog::CPalletDialog(toolkit::Color start, ConfirmHandler onConfirmed)
    : colour_(start), onConfirmed_(std::move(onConfirmed)) {}

void CPalletDialog::InitWindow() {
    palette_ = dynamic_cast<toolkit::CColorPaletteUI*>(FindControl("Pallet"));
    ShowColour(colour_);
}

void CPalletDialog::Notify(toolkit::TNotifyUI& msg) {
    if (msg.sender == nullptr) {
        return;
    }
    if (msg.type == toolkit::notify::kColorChanged && msg.sender == palette_) {
        ShowColour(palette_->GetSelectColor());
        return;
    }
    if (msg.type != toolkit::notify::kClick) {
        return;
    }
    const std::string& name = msg.sender->GetName();
    if (name == "closebtn") {
        Close(toolkit::IDCANCEL);
    } else if (name == "okbtn") {
        Confirm();
    } else if (std::optional<toolkit::Color> preset = SwatchColour(name)) {
        platform::sys::OutputDebugString("hongse");
        ShowColour(*preset);
    }
}

void CPalletDialog::Confirm() {
    if (palette_ == nullptr) {
        Close(toolkit::IDCANCEL);
        return;
    }
    toolkit::CControlUI* preview = FindControl("color_show_btn");
    colour_ = preview != nullptr ? preview->GetBkColor() : 0;
    if (onConfirmed_) {
        onConfirmed_(colour_);
    }
    Close(toolkit::IDOK);
}

void CPalletDialog::ShowColour(toolkit::Color colour) {
    if (toolkit::CControlUI* preview = FindControl("color_show_btn")) {
        preview->SetBkImage("");
        preview->SetBkColor(colour);
    }
    if (palette_ != nullptr) {
        palette_->SetSelectColor(colour);
    }
}

void CPalletDialog::OnFinalMessage(toolkit::HWND) {
    delete this;
}

std::optional<toolkit::Color> ChooseColour(toolkit::HWND owner, toolkit::Color start) {
    std::optional<toolkit::Color> chosen;
    auto* dialog = new CPalletDialog(start, [&chosen](toolkit::Color colour) { chosen = colour; });
    // Pointer and window rectangles are both screen coordinates.
    const std::optional<platform::shell::CursorPos> pointer = platform::shell::GetCursorPos();
    const int x = pointer ? pointer->x - kPointerOffset : 0;
    const int y = pointer ? pointer->y + kPointerOffset : 0;
    if (!dialog->Create(owner, "Sondel调色板", kDialogStyle, kDialogExStyle, x, y)) {
        return std::nullopt;  // its final message has deleted it
    }
    if (!pointer) {
        dialog->CenterWindow();
    }
    const toolkit::HWND hwnd = dialog->GetHWND();
    const toolkit::UINT result = dialog->ShowModal();
    // The loop also ends when the program quits under the dialog: the dialog goes with it.
    if (platform::msg::IsWindow(hwnd)) {
        platform::msg::DestroyWindow(hwnd);
    }
    return result == toolkit::IDOK ? chosen : std::nullopt;
}

}  // namespace ui
