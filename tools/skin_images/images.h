#pragma once

// The skin's image families; each writes its PNGs under the output root (see draw.h).

namespace skin_images {

// Window background, button and combo faces, caption buttons, tabs.
void DrawWindowFurniture();
// Slider parts, check boxes and radio marks, report-rate and speed scales.
void DrawControls();
// The 20 × 20 line icons, the logo and the tray icons.
void DrawIcons();
// Mouse pictures with their button overlays, light shapes, key caps, keyboard case, mouse pad.
void DrawDevicePictures();

}  // namespace skin_images
