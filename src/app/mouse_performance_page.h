#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/device_link.h"
#include "mouse/mouse_image.h"
#include "mouse/system_settings.h"
#include "toolkit/core/notify.h"
#include "toolkit/core/paint_manager.h"

namespace app {

// Asks the user for a colour, starting from `start`; nothing when the user declines.
using ColourChooser = std::function<std::optional<toolkit::Color>(toolkit::Color start)>;

// What the mouse performance page acts on: the window's controls, the mouse's image and link,
// the system setting calls, and the colour dialog of the level buttons.
struct PerformancePage {
    toolkit::CPaintManagerUI& pm;
    mouse::MouseImage& image;
    device::DeviceLink& link;
    mouse::SystemSettingCalls& systemCalls;
    ColourChooser chooseColour;
};

// The page's share of the main window's notifications; false when the notification is not
// the page's.
bool OnPerformanceNotify(const PerformancePage& page, const toolkit::TNotifyUI& msg);

// Shows the sensitivity levels and their colours from the image: each slider gets the range
// the mouse allows, and a stored level above it is lowered (and marked for the write-out).
void FillDpiControls(const PerformancePage& page);

// Shows what the selected mouse profile keeps for the page and applies its pointer speed: the
// point-speed slider from the pointer speed, and the report rate and the speed sliders'
// positions from the profile's name file (a position not set there leaves its control alone).
void ShowSelectedProfile(const PerformancePage& page, std::string_view profileName);

// The background image of the report-rate strip for a rate code 0 … 3, and of the speed
// sliders for a position 0 … 10.
std::string_view RateImage(int code);
std::string SpeedImage(int position);

}  // namespace app
