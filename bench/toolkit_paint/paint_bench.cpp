#include "paint_bench.h"

#include <unistd.h>

#include <string>

namespace toolkit::render {

BenchSkinFolder::BenchSkinFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("kavrin_paint_bench_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
    ImageCache no_images;
    Surface button(24, 24);
    button.Clear(0xFF505860);
    CairoCanvas(button, no_images).DrawBorder({0, 0, 24, 24}, 2, 0xFFA0A8B0, 4);
    button.WriteToPng((path_ / "btn.png").string());
    Surface light(24, 24);
    CairoCanvas(light, no_images).FillRoundRect({3, 3, 21, 21}, 3, 0xFFFFFFFF);
    light.WriteToPng((path_ / "light.png").string());
}

BenchSkinFolder::~BenchSkinFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace toolkit::render
