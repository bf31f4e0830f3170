#include "ui/controls/device_key_button.h"

#include <gtest/gtest.h>

#include <thread>

#include "render_test_support.h"
#include "toolkit/core/control_factory.h"
#include "toolkit/core/dialog_builder.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/render/recording_canvas.h"

namespace ui {
namespace {

using toolkit::render::PaintCall;

constexpr toolkit::Rect kPos{4, 4, 44, 34};
constexpr toolkit::Color kKeyFace = 0xFF303030;
constexpr toolkit::Color kMark = 0xFFFFD000;

class DeviceKeyButtonTest : public ::testing::Test {
protected:
    DeviceKeyButtonTest() {
        // A key face, a white light shape in its middle, an assignment mark in its corner.
        WriteImage("key.png", {0, 0, 40, 30}, kKeyFace);
        WriteImage("light.png", {10, 10, 30, 20}, 0xFFFFFFFF);
        WriteImage("mark.png", {0, 0, 6, 6}, kMark);
        images_.SetResourceRoot(folder_.Path().string());
    }

    void WriteImage(const char* name, const toolkit::Rect& shape, toolkit::Color color) {
        toolkit::render::Surface image(40, 30);
        toolkit::render::CairoCanvas canvas(image, images_);
        canvas.FillRect(shape, color);
        image.WriteToPng((folder_.Path() / name).string());
    }

    static void Configure(toolkit::CButtonUI& button) {
        button.SetAttribute("normalimage", "key.png");
        button.SetAttribute("text", "A");
        button.SetAttribute("textcolor", "#FFFFFFFF");
        button.SetPos(kPos);
    }
    static void ConfigureKey(CDeviceKeyButtonUI& key) {
        Configure(key);
        key.SetAttribute("lightimage", "light.png");
        key.SetAttribute("keysetimage", "mark.png");
    }

    std::vector<PaintCall> Record(toolkit::CControlUI& control) {
        toolkit::render::RecordingCanvas canvas;
        control.DoPaint(canvas, kPos);
        return canvas.Calls();
    }
    toolkit::render::Surface Render(toolkit::CControlUI& control) {
        toolkit::render::Surface surface(48, 38);
        surface.Clear(0xFF000000);
        toolkit::render::CairoCanvas canvas(surface, images_);
        control.DoPaint(canvas, kPos);
        return surface;
    }
    static bool SamePixels(const toolkit::render::Surface& a, const toolkit::render::Surface& b) {
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                if (a.PixelAt(x, y) != b.PixelAt(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }

    toolkit::render::testing::TempFolder folder_;
    toolkit::render::ImageCache images_;
};

TEST_F(DeviceKeyButtonTest, WithLightOffAndMarkHiddenPaintsLikeAPlainButton) {
    toolkit::CButtonUI plain;
    Configure(plain);
    CDeviceKeyButtonUI key;
    ConfigureKey(key);
    key.SetAttribute("gmnametextcolor", "#FF00FF00");
    ASSERT_EQ(key.GetLightShown(), 0u);
    ASSERT_EQ(key.GetKeySetHidden(), 1u);

    EXPECT_EQ(Record(key), Record(plain));
    EXPECT_TRUE(SamePixels(Render(key), Render(plain)));
    EXPECT_EQ(key.GetClass(), "DeviceKeyButton");
}

TEST_F(DeviceKeyButtonTest, BuiltFromASkinTheNameTextColourChangesNothing) {
    toolkit::CControlFactory::GetInstance().RegistControl("DeviceKeyButton",
                                                          CDeviceKeyButtonUI::CreateControl);
    const auto build = [](const char* extra) {
        const std::string xml = std::string(
                                    "<DeviceKeyButton pos=\"4,4,44,34\" float=\"true\" "
                                    "normalimage=\"key.png\" lightimage=\"light.png\" ") +
                                extra + "/>";
        return toolkit::CDialogBuilder().CreateFromString(xml);
    };
    const auto with = build("gmnametextcolor=\"#FF00FF00\"");
    const auto without = build("");
    ASSERT_NE(dynamic_cast<CDeviceKeyButtonUI*>(with.get()), nullptr);
    for (toolkit::CControlUI* control : {with.get(), without.get()}) {
        control->SetPos(kPos);
        static_cast<CDeviceKeyButtonUI*>(control)->SetLightShown(1);
    }
    EXPECT_EQ(Record(*with), Record(*without));
    EXPECT_TRUE(SamePixels(Render(*with), Render(*without)));
}

TEST_F(DeviceKeyButtonTest, DrawsTheTintedLightThenTheUntintedMark) {
    CDeviceKeyButtonUI key;
    ConfigureKey(key);
    key.SetLightShown(1);
    key.SetLightColour(toolkit::render::PackChanger(0, 255, 0));
    key.SetLightAlpha(255);
    key.SetKeySetHidden(0);

    std::vector<PaintCall> images;
    for (const PaintCall& call : Record(key)) {
        if (call.kind == PaintCall::Kind::kDrawImage) {
            images.push_back(call);
        }
    }
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].image.file, "key.png");
    EXPECT_EQ(images[1].image.file, "light.png");
    EXPECT_EQ(images[1].tint, (toolkit::render::ChangerTint{0xFF00FF00, 255}));
    EXPECT_EQ(images[2].image.file, "mark.png");
    EXPECT_FALSE(images[2].tint);

    const toolkit::render::Surface pixels = Render(key);
    EXPECT_EQ(pixels.PixelAt(kPos.left + 20, kPos.top + 15), 0xFF00FF00u);  // light, tinted
    EXPECT_EQ(pixels.PixelAt(kPos.left + 2, kPos.top + 2), kMark);
    EXPECT_EQ(pixels.PixelAt(kPos.left + 2, kPos.top + 25), kKeyFace);
}

// The keyboard preview writes the light fields from its own thread while the UI paints.
TEST_F(DeviceKeyButtonTest, LightFieldsMayChangeWhilePainting) {
    CDeviceKeyButtonUI key;
    ConfigureKey(key);
    std::thread preview([&key] {
        for (std::uint32_t i = 0; i < 2000; ++i) {
            key.SetLightShown(i % 2);
            key.SetLightColour(i * 0x010203);
            key.SetLightAlpha(i % 300);
            key.SetKeySetHidden(i % 3);
        }
    });
    for (int i = 0; i < 50; ++i) {
        Render(key);
    }
    preview.join();
}

}  // namespace
}  // namespace ui
