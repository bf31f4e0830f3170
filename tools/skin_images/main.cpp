// Draws every PNG the skin files name: window furniture, controls, icons and device pictures.
//
// Usage: kavrin_skin_images <skin folder>

#include <cstdio>
#include <exception>

#include "draw.h"
#include "images.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
        return 2;
    }
    try {
        skin_images::SetOutputRoot(argv[1]);
        skin_images::DrawWindowFurniture();
        skin_images::DrawControls();
        skin_images::DrawIcons();
        skin_images::DrawDevicePictures();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kavrin_skin_images: %s\n", error.what());
        return 1;
    }
    return 0;
}
