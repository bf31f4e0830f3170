#include <gtest/gtest.h>

#include "platform/sys/thread.h"
#include "toolkit/core/label.h"
#include "toolkit/core/progress.h"
#include "toolkit/render/recording_canvas.h"

namespace toolkit {
namespace {

using render::PaintCall;
using render::RecordingCanvas;

std::vector<std::string> ImagesDrawn(const RecordingCanvas& canvas) {
    std::vector<std::string> files;
    for (const PaintCall& call : canvas.Calls()) {
        if (call.kind == PaintCall::Kind::kDrawImage) {
            files.push_back(call.image.file);
        }
    }
    return files;
}

TEST(PaintTest, ButtonsDrawTheImageOfTheirState) {
    struct Case {
        const char* state;
        std::function<void(COptionUI&)> set;
        const char* image;
    } cases[] = {
        {"normal", [](COptionUI&) {}, "n.png"},
        {"disabled", [](COptionUI& o) { o.SetEnabled(false); }, "d.png"},
        {"selected", [](COptionUI& o) { o.Selected(true, false); }, "s.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        COptionUI option;
        for (auto [name, value] : {std::pair{"normalimage", "n.png"},
                                   {"disabledimage", "d.png"},
                                   {"selectedimage", "s.png"},
                                   {"hotimage", "h.png"}}) {
            option.SetAttribute(name, value);
        }
        option.SetPos({0, 0, 50, 20});
        c.set(option);
        RecordingCanvas canvas;
        option.DoPaint(canvas, {0, 0, 50, 20});
        EXPECT_EQ(ImagesDrawn(canvas), std::vector<std::string>{c.image});
    }
}

TEST(PaintTest, ChangerColourTintsTheControlsImages) {
    CControlUI zone;
    zone.SetAttribute("bkimage", "zone.png");
    zone.SetPos({0, 0, 10, 10});
    zone.SetChangerColor(0x00FF0080);  // green 0xFF, blue 0x00, red 0x80
    zone.SetChangerAlpha(300);         // clamped to 255
    RecordingCanvas plain;
    zone.DoPaint(plain, {0, 0, 10, 10});
    zone.SetIsChangerColor(true);
    RecordingCanvas tinted;
    zone.DoPaint(tinted, {0, 0, 10, 10});

    auto image = [](const RecordingCanvas& canvas) {
        for (const PaintCall& call : canvas.Calls()) {
            if (call.kind == PaintCall::Kind::kDrawImage) {
                return call;
            }
        }
        return PaintCall{};
    };
    EXPECT_FALSE(image(plain).tint.has_value());
    ASSERT_TRUE(image(tinted).tint.has_value());
    EXPECT_EQ(image(tinted).tint->color, 0xFF80FF00u);
    EXPECT_EQ(image(tinted).tint->alpha, 255);
}

TEST(PaintTest, ProgressFillsItsShareOfTheBar) {
    CProgressUI progress;
    progress.SetAttribute("forecolor", "#FF00FF00");
    progress.SetPos({10, 0, 210, 20});
    progress.SetValue(25);
    RecordingCanvas canvas;
    progress.DoPaint(canvas, {0, 0, 300, 20});
    bool filled = false;
    for (const PaintCall& call : canvas.Calls()) {
        filled = filled || (call.kind == PaintCall::Kind::kFillRect &&
                            call.rect == Rect{10, 0, 60, 20} && call.color == 0xFF00FF00u);
    }
    EXPECT_TRUE(filled);
    progress.SetValue(500);
    EXPECT_EQ(progress.GetValue(), 100);
}

// Lighting threads write the changer while the UI thread paints (TSan checks this).
TEST(PaintTest, ChangerFieldsMayBeWrittenWhilePainting) {
    CControlUI zone;
    zone.SetAttribute("bkimage", "zone.png");
    zone.SetIsChangerColor(true);
    zone.SetPos({0, 0, 10, 10});
    platform::sys::StoppableThread lighting([&zone](platform::sys::Event& stop) {
        for (uint32_t i = 0; !stop.IsSet(); ++i) {
            if (zone.IsVisible()) {
                zone.SetChangerColor(i & 0xFFFFFF);
                zone.SetChangerAlpha(static_cast<int>(i & 0xFF));
            }
        }
    });
    for (int i = 0; i < 200; ++i) {
        zone.SetVisible(i % 2 == 0);
        RecordingCanvas canvas;
        zone.DoPaint(canvas, {0, 0, 10, 10});
    }
    lighting.RequestStop();
    EXPECT_TRUE(lighting.Join());
}

}  // namespace
}  // namespace toolkit
