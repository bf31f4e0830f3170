#pragma once

#include <cstdint>
#include <string>

#include "ui/windows/observer.h"

namespace ui {

// What a skin change announces: a background colour or a background image.
struct SkinChangedParam {
    uint8_t useColour = 0;  // 1: `colour`; 0: `image`
    uint32_t colour = 0;    // ARGB
    std::string image;
};

using SkinChangeObserver = ObserverImpl<int, SkinChangedParam>;
using SkinChangeReceiver = ReceiverImpl<int, SkinChangedParam>;

// The process's one skin-change observer, created on first use and kept until the process ends.
// UI thread only.
SkinChangeObserver& GetSkinChangeObserver();

}  // namespace ui
