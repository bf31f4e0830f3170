// Repaint cost of a main-window-sized surface drawn straight through the canvas: a scene of
// 500 items (filled rectangles, nine-patch skin images, tinted images and texts), painted in
// full and for one 20 × 20 area, as the window does for a whole frame and a single key light.
#include <benchmark/benchmark.h>

#include <vector>

#include "paint_bench.h"
#include "toolkit/render/cairo_canvas.h"

namespace toolkit::render {
namespace {

struct Item {
    enum class Kind { kRect, kImage, kTintedImage, kText } kind;
    Rect rect;
};

class Scene {
public:
    Scene() {
        images_.SetResourceRoot(folder_.Path().string());
        const int cell_w = kWidth / kColumns;
        const int cell_h = kHeight / kRows;
        for (int i = 0; i < kColumns * kRows; ++i) {
            const Rect cell =
                Rect::FromSize(i % kColumns * cell_w, i / kColumns * cell_h, cell_w, cell_h);
            items_.push_back({static_cast<Item::Kind>(i % 4), cell.Deflate(2)});
        }
        style_.size = 11;
        style_.color = 0xFFE0E0E0;
        style_.h_align = HAlign::kCenter;
    }
    ImageCache& Images() { return images_; }

    // Paints what meets `area`, clipped to it, as the window's paint pass does.
    void Paint(Canvas& canvas, const Rect& area) const {
        canvas.PushClip(area);
        canvas.FillRect(area, 0xFF202428);
        for (const Item& item : items_) {
            if (!item.rect.Intersects(area)) {
                continue;
            }
            switch (item.kind) {
                case Item::Kind::kRect:
                    canvas.FillRect(item.rect, 0xFF3A4048);
                    break;
                case Item::Kind::kImage:
                    canvas.DrawImage(kButton, item.rect);
                    break;
                case Item::Kind::kTintedImage:
                    canvas.DrawImage(kButton, item.rect, ChangerTint::FromPacked(0x00FF40, 200));
                    break;
                case Item::Kind::kText:
                    canvas.DrawText(item.rect, "Key 键", style_);
                    break;
            }
        }
        canvas.PopClip();
    }

private:
    static constexpr const char* kButton = "file='btn.png' corner='4,4,4,4'";

    BenchSkinFolder folder_;
    ImageCache images_;
    std::vector<Item> items_;
    TextStyle style_;
};

void BM_CanvasRepaint(benchmark::State& state, Rect area) {
    RunRepaint<Scene>(state, area);
}
BENCHMARK_CAPTURE(BM_CanvasRepaint, full_window, kFullWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CanvasRepaint, area_20x20, kKeyArea)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace toolkit::render
