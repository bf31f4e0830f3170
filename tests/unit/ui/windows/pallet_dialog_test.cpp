#include "ui/windows/pallet_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "platform/msg/window.h"
#include "platform/shell/cursor_pos.h"
#include "temp_folder.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/test_driver.h"

namespace ui {
namespace {

namespace m = platform::msg;
using toolkit::Color;
using toolkit::CTestDriver;
using toolkit::Rect;

constexpr m::UINT_PTR kReaperTimer = 999;
constexpr uint32_t kReaperMs = 5000;
constexpr Color kStart = 0xFF123456;
constexpr Rect kOwnerRect{100, 100, 1100, 900};
constexpr std::string_view kSkin = "GmPalletDialog.xml";

TEST(SwatchColourTest, NamesItsPresetAndNothingElse) {
    struct Case {
        const char* name;
        std::optional<Color> colour;
    } cases[] = {
        {"ms_dpi_color_png_0", 0xFFFF0000},
        {"ms_dpi_color_png_21", 0xFF000000},
        {"ms_dpi_color_png_29", 0xFF4776A4},
        // No preset past the table, and names that only look like a swatch.
        {"ms_dpi_color_png_30", std::nullopt},
        {"ms_dpi_color_png_-1", std::nullopt},
        {"ms_dpi_color_png_", std::nullopt},
        {"ms_dpi_color_png_2a", std::nullopt},
        {"ms_dpi_color_png_99999999999999999999", std::nullopt},
        {"kb_dpi_color_png_3", std::nullopt},
        {"ms_dpi_color_png", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SwatchColour(c.name), c.colour) << c.name;
    }
}

using Action = std::function<void(CPalletDialog&, CTestDriver&)>;

Action Click(std::string_view name) {
    return [name](CPalletDialog&, CTestDriver& driver) { EXPECT_TRUE(driver.Click(name)) << name; };
}

// The shipped dialog skin in a temporary skin folder, a headless host, and an owner window that
// fails the test and closes the dialog when a modal loop does not end.
class PalletDialogTest : public ::testing::Test {
protected:
    PalletDialogTest() {
        std::filesystem::copy_file(std::string(KAVRIN_SKIN_DIR) + std::string(kSkin),
                                   skin_.path() + std::string(kSkin));
        UseSkinFolder(skin_.path());
        toolkit::SetWindowHost(host_);
        owner_ = m::CreateWindow([](toolkit::HWND hwnd, toolkit::UINT message,
                                    toolkit::WPARAM wParam, toolkit::LPARAM lParam) {
            if (message == m::WM_TIMER && wParam == kReaperTimer) {
                ADD_FAILURE() << "modal loop did not end";
                for (CPalletDialog* dialog : CPalletDialog::OpenDialogs()) {
                    dialog->Close(toolkit::IDCANCEL);
                }
                return toolkit::LRESULT{0};
            }
            return m::DefWindowProc(hwnd, message, wParam, lParam);
        });
        host_->AddWindow(owner_, nullptr, toolkit::HWND(), "owner");
        host_->SetWindowRect(owner_, kOwnerRect);
        host_->ShowWindow(owner_, toolkit::SW_SHOWNORMAL);
        m::SetTimer(owner_, kReaperTimer, kReaperMs);
    }

    ~PalletDialogTest() override {
        EXPECT_TRUE(CPalletDialog::OpenDialogs().empty());
        host_->RemoveWindow(owner_);
        m::DestroyWindow(owner_);
        platform::shell::SetCursorPosSource(nullptr);
        toolkit::SetWindowHost(nullptr);
        UseSkinFolder("");
    }

    static void UseSkinFolder(const std::string& path) {
        toolkit::CResourceManager::GetInstance().Release();
        toolkit::CPaintManagerUI::ClearSharedStyles();
        toolkit::CResourceManager::GetInstance().SetResourcePath(path);
    }

    // Runs the actions on the open dialog once its modal loop runs.
    static void ActOnDialog(std::vector<Action> actions) {
        m::PostTask(m::GetCurrentThreadId(), [actions = std::move(actions)] {
            ASSERT_EQ(CPalletDialog::OpenDialogs().size(), 1u);
            CPalletDialog& dialog = *CPalletDialog::OpenDialogs().front();
            CTestDriver driver(dialog.GetPaintManager());
            for (const Action& action : actions) {
                action(dialog, driver);
            }
        });
    }

    struct Outcome {
        toolkit::UINT result;
        std::optional<Color> confirmed;
        friend bool operator==(const Outcome&, const Outcome&) = default;
    };

    // The dialog's own modal result and the colour it handed out.
    Outcome RunDialog(std::vector<Action> actions) {
        Outcome outcome{0, std::nullopt};
        auto* dialog =
            new CPalletDialog(kStart, [&outcome](Color colour) { outcome.confirmed = colour; });
        if (!dialog->Create(owner_, "palette", 0, 0)) {
            ADD_FAILURE() << "dialog not created";
            return outcome;
        }
        ActOnDialog(std::move(actions));
        outcome.result = dialog->ShowModal();
        return outcome;
    }

    std::optional<Color> Choose(std::vector<Action> actions) {
        ActOnDialog(std::move(actions));
        return ChooseColour(owner_, kStart);
    }

    kavrin_testing::TempFolder skin_;
    std::shared_ptr<toolkit::CHeadlessHost> host_ =
        std::make_shared<toolkit::CHeadlessHost>(Rect{0, 0, 1920, 1080});
    toolkit::HWND owner_;
};

TEST_F(PalletDialogTest, OnlyOkConfirmsAndItTakesThePreviewedColour) {
    const Action cancelButton = [](CPalletDialog& dialog, CTestDriver& driver) {
        EXPECT_TRUE(driver.Click(toolkit::CPaintManagerUI::FindSubControlByName(
            dialog.FindControl("Pallet_BTN_CANCEL"), "closebtn")));
    };
    const Action systemClose = [](CPalletDialog& dialog, CTestDriver&) {
        dialog.PostMessage(m::WM_SYSCOMMAND, m::SC_CLOSE);
    };
    // A skin with more swatches than presets: the extra one shows nothing.
    const Action swatchWithoutPreset = [](CPalletDialog& dialog, CTestDriver& driver) {
        toolkit::CControlUI* swatch = dialog.FindControl("ms_dpi_color_png_29");
        swatch->SetName("ms_dpi_color_png_30");
        EXPECT_TRUE(driver.Click(swatch));
    };
    constexpr toolkit::UINT kOk = toolkit::IDOK;
    constexpr toolkit::UINT kCancel = toolkit::IDCANCEL;
    struct Case {
        const char* what;
        std::vector<Action> actions;
        Outcome outcome;
    } cases[] = {
        {"title close button", {Click("closebtn")}, {kCancel, std::nullopt}},
        {"cancel button", {cancelButton}, {kCancel, std::nullopt}},
        {"system close command", {systemClose}, {kCancel, std::nullopt}},
        {"swatch, then close",
         {Click("ms_dpi_color_png_21"), Click("closebtn")},
         {kCancel, std::nullopt}},
        {"ok at once", {Click("okbtn")}, {kOk, kStart}},
        {"swatch, then ok", {Click("ms_dpi_color_png_21"), Click("okbtn")}, {kOk, 0xFF000000}},
        {"swatch without preset, then ok", {swatchWithoutPreset, Click("okbtn")}, {kOk, kStart}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RunDialog(std::move(c.actions)), c.outcome);
    }
}

TEST_F(PalletDialogTest, ChooseColourReturnsOnlyAConfirmedColour) {
    EXPECT_EQ(Choose({Click("ms_dpi_color_png_21"), Click("okbtn")}), 0xFF000000u);
    EXPECT_EQ(Choose({Click("ms_dpi_color_png_21"), Click("closebtn")}), std::nullopt);
}

TEST_F(PalletDialogTest, PreviewAndPaletteShowTheStartAndThenEachPick) {
    const Action check = [](CPalletDialog& dialog, CTestDriver& driver) {
        auto* palette = driver.FindAs<toolkit::CColorPaletteUI>("Pallet");
        toolkit::CControlUI* preview = dialog.FindControl("color_show_btn");
        ASSERT_NE(palette, nullptr);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(palette->GetSelectColor(), kStart);
        EXPECT_EQ(preview->GetBkColor(), kStart);

        preview->SetBkImage("common/logo.png");  // a picked colour replaces any image
        ASSERT_TRUE(driver.Click("ms_dpi_color_png_7"));
        EXPECT_EQ(preview->GetBkColor(), 0xFFFE5400u);
        EXPECT_EQ(preview->GetBkImage(), "");
        EXPECT_EQ(palette->GetSelectColor(), 0xFFFE5400u);

        ASSERT_TRUE(driver.PickColor(palette, 0xFF00FF00));
        EXPECT_NE(palette->GetSelectColor(), 0xFFFE5400u);
        EXPECT_EQ(preview->GetBkColor(), palette->GetSelectColor());
        driver.Click("closebtn");
    };
    RunDialog({check});
}

TEST_F(PalletDialogTest, ColourPickedOnThePaletteIsTheChosenOne) {
    Color picked = 0;
    const Action pick = [&picked](CPalletDialog&, CTestDriver& driver) {
        auto* palette = driver.FindAs<toolkit::CColorPaletteUI>("Pallet");
        ASSERT_TRUE(driver.PickColor(palette, 0xFF2040C0));
        picked = palette->GetSelectColor();
    };
    Outcome outcome = RunDialog({pick, Click("okbtn")});
    EXPECT_NE(picked, kStart);
    EXPECT_EQ(outcome, (Outcome{toolkit::IDOK, picked}));
}

TEST_F(PalletDialogTest, OpensBelowAndLeftOfThePointerElseCentredOnTheOwner) {
    struct Case {
        std::optional<platform::shell::CursorPos> pointer;
        toolkit::Point topLeft;
    } cases[] = {
        {platform::shell::CursorPos{500, 300}, {490, 310}},
        {std::nullopt,
         {kOwnerRect.left + (kOwnerRect.Width() - 460) / 2,
          kOwnerRect.top + (kOwnerRect.Height() - 316) / 2}},
    };
    for (const Case& c : cases) {
        platform::shell::SetCursorPosSource(
            c.pointer ? platform::shell::CursorPosSource([&c] { return *c.pointer; }) : nullptr);
        Rect placed;
        std::string title;
        const Action look = [&](CPalletDialog& dialog, CTestDriver& driver) {
            placed = dialog.GetWindowRect();
            title = host_->GetTitle(dialog.GetHWND());
            driver.Click("closebtn");
        };
        Choose({look});
        // The skin's own size, at the place asked for.
        EXPECT_EQ(placed, Rect::FromSize(c.topLeft.x, c.topLeft.y, 460, 316));
        EXPECT_EQ(title, "Sondel调色板");
    }
}

TEST_F(PalletDialogTest, QuittingTheProgramUnderTheDialogEndsItWithoutAColour) {
    const Action quit = [](CPalletDialog&, CTestDriver& driver) {
        ASSERT_TRUE(driver.Click("ms_dpi_color_png_21"));
        m::PostQuitMessage(0);
    };
    EXPECT_EQ(Choose({quit}), std::nullopt);
    m::MSG msg;
    EXPECT_FALSE(m::GetMessage(msg)) << "the quit is kept for the program's own loop";
}

TEST_F(PalletDialogTest, SkinWithoutPaletteCannotConfirmAndMissingSkinOpensNothing) {
    skin_.Put(std::string(kSkin), R"(<Window size="100,60"><VerticalLayout>
        <Button name="okbtn" height="20"/><Button name="color_show_btn" height="20"/>
        </VerticalLayout></Window>)");
    EXPECT_EQ(RunDialog({Click("okbtn")}), (Outcome{toolkit::IDCANCEL, std::nullopt}));

    std::filesystem::remove(skin_.path() + std::string(kSkin));
    EXPECT_EQ(ChooseColour(owner_, kStart), std::nullopt);
}

}  // namespace
}  // namespace ui
