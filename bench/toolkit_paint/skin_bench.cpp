// Cost of a window built from a skin of 500 controls: building the tree from XML, and
// repainting it in full (800 × 572) and for one 20 × 20 area, through the paint manager.
#include <benchmark/benchmark.h>

#include <string>

#include "paint_bench.h"
#include "toolkit/core/control_factory.h"
#include "toolkit/core/dialog_builder.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/render/cairo_canvas.h"
#include "ui/controls/circle_progress.h"
#include "ui/controls/device_key_button.h"

namespace toolkit::render {
namespace {

// Keys, buttons, labels, progress bars and circle progresses on a 25 × 20 grid of floats.
std::string SkinWith500Controls() {
    const char* const kinds[] = {
        "<DeviceKeyButton normalimage=\"file='btn.png' corner='4,4,4,4'\" "
        "lightimage=\"light.png\" text=\"K\" textcolor=\"#FFFFFFFF\"",
        "<Button normalimage=\"file='btn.png' corner='4,4,4,4'\" text=\"OK\" "
        "textcolor=\"#FFE0E0E0\" align=\"center\"",
        "<Label text=\"Label 标签\" textcolor=\"#FFE0E0E0\" endellipsis=\"true\"",
        "<Progress bkcolor=\"#FF303030\" forecolor=\"#FF2080F0\" value=\"40\"",
        "<CircleProgress bkcolor=\"#FF303030\" forecolor=\"#FF2080F0\" value=\"70\"",
    };
    std::string xml = "<Window size=\"800,572\"><Container bkcolor=\"#FF202428\">";
    const int cellW = kWidth / kColumns;
    const int cellH = kHeight / kRows;
    for (int i = 0; i < kColumns * kRows; ++i) {
        const int left = i % kColumns * cellW + 1;
        const int top = i / kColumns * cellH + 1;
        xml += kinds[i % std::size(kinds)];
        xml += " name=\"c" + std::to_string(i) + "\" float=\"true\" pos=\"" + std::to_string(left) +
               ',' + std::to_string(top) + ',' + std::to_string(left + cellW - 2) + ',' +
               std::to_string(top + cellH - 2) + "\"/>";
    }
    return xml + "</Container></Window>";
}

class SkinWindow {
public:
    SkinWindow() {
        CControlFactory& factory = CControlFactory::GetInstance();
        factory.RegistControl("DeviceKeyButton", ui::CDeviceKeyButtonUI::CreateControl);
        factory.RegistControl("CircleProgress", ui::CCircleProgressUI::CreateControl);
        images_.SetResourceRoot(folder_.Path().string());
        manager_.AttachDialog(Build(SkinWith500Controls(), manager_));
        manager_.SetClientSize({kWidth, kHeight});
        manager_.UpdateLayout();
        // Every fifth control is a key: light them as the keyboard preview does.
        for (int i = 0; i < kColumns * kRows; i += 5) {
            auto* key =
                static_cast<ui::CDeviceKeyButtonUI*>(manager_.FindControl("c" + std::to_string(i)));
            key->SetLightShown(1);
            key->SetLightColour(PackChanger(0, 200, 255));
        }
    }

    static std::unique_ptr<CControlUI> Build(const std::string& xml, CPaintManagerUI& manager) {
        return CDialogBuilder().CreateFromString(xml, nullptr, &manager);
    }

    void Paint(Canvas& canvas, const Rect& area) { manager_.Paint(canvas, &area); }
    ImageCache& Images() { return images_; }

private:
    BenchSkinFolder folder_;
    ImageCache images_;
    CPaintManagerUI manager_;
};

void BM_BuildSkin500(benchmark::State& state) {
    SkinWindow window;  // registers the custom controls
    const std::string xml = SkinWith500Controls();
    for (auto _ : state) {
        CPaintManagerUI manager;
        manager.AttachDialog(SkinWindow::Build(xml, manager));
        manager.SetClientSize({kWidth, kHeight});
        manager.UpdateLayout();
        benchmark::DoNotOptimize(manager.GetRoot());
    }
}
BENCHMARK(BM_BuildSkin500)->Unit(benchmark::kMillisecond);

void BM_SkinRepaint(benchmark::State& state, Rect area) {
    RunRepaint<SkinWindow>(state, area);
}
BENCHMARK_CAPTURE(BM_SkinRepaint, full_window, kFullWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinRepaint, area_20x20, kKeyArea)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace toolkit::render
