#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>

#include "toolkit/render/cairo_canvas.h"

namespace toolkit::render {

// The main window's client size and a grid of 500 cells over it.
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 572;
inline constexpr int kColumns = 25;
inline constexpr int kRows = 20;
inline constexpr Rect kFullWindow{0, 0, kWidth, kHeight};
// The size of one key light's repaint.
inline constexpr Rect kKeyArea = Rect::FromSize(390, 280, 20, 20);

// A temporary skin folder holding "btn.png" (24 × 24, bordered, for nine-patch drawing) and
// "light.png" (a white key light); removed with the object.
class BenchSkinFolder {
public:
    BenchSkinFolder();
    ~BenchSkinFolder();
    BenchSkinFolder(const BenchSkinFolder&) = delete;
    BenchSkinFolder& operator=(const BenchSkinFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Repaints `area` of a Scene (with Images() and Paint(canvas, area)) on a window-sized surface.
template <class Scene>
void RunRepaint(benchmark::State& state, Rect area) {
    Scene scene;
    Surface surface(kWidth, kHeight);
    CairoCanvas canvas(surface, scene.Images());
    for (auto _ : state) {
        scene.Paint(canvas, area);
    }
}

}  // namespace toolkit::render
