#include <gtest/gtest.h>
#include <filesystem>

#include "skin_fixture.h"
#include "toolkit/core/container.h"
#include "toolkit/core/control_factory.h"
#include "toolkit/core/dialog_builder.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"

namespace toolkit {
namespace {

using testing::SkinDir;

class FancyButton : public CButtonUI {
public:
    std::string_view GetClass() const override { return "FancyButtonUI"; }
};

class PageCallback : public IDialogBuilderCallback {
public:
    std::unique_ptr<CControlUI> CreateControl(std::string_view className) override {
        asked.emplace_back(className);
        if (className == "Page_UI") {
            return CDialogBuilder().Create("page.xml");
        }
        return nullptr;
    }
    std::vector<std::string> asked;
};

TEST(DialogBuilder, StylesDefaultsAndOwnAttributesApplyInThatOrder) {
    SkinDir skin;
    skin.Write("main.xml", R"(<Window size="300,200" caption="0,0,0,30">
        <Font id="0" name="Sans" size="14" bold="true"/>
        <Style name="red" textcolor="#FFFF0000" text="from style"/>
        <Style name="wide" shared="true" width="77"/>
        <Default class="Button" bkcolor="#FF00FF00" text="from default"/>
        <VerticalLayout name="root">
          <Button name="styled" style="red" text="own"/>
          <Button name="plain"/>
          <Label name="shared" style="wide"/>
        </VerticalLayout></Window>)");
    CPaintManagerUI pm;
    CDialogBuilder builder;
    ASSERT_TRUE(pm.AttachDialog(builder.Create("main.xml", {}, nullptr, &pm)));

    auto* styled = dynamic_cast<CButtonUI*>(pm.FindControl("styled"));
    auto* plain = dynamic_cast<CButtonUI*>(pm.FindControl("plain"));
    ASSERT_NE(styled, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(styled->GetText(), "own");
    EXPECT_EQ(styled->GetTextColor(), 0xFFFF0000u);
    EXPECT_EQ(styled->GetBkColor(), 0xFF00FF00u);
    EXPECT_EQ(plain->GetText(), "from default");
    EXPECT_EQ(pm.FindControl("shared")->GetFixedWidth(), 77);
    EXPECT_EQ(pm.GetInitSize(), (Size{300, 200}));
    EXPECT_EQ(pm.GetCaptionRect(), (Rect{0, 0, 0, 30}));
    EXPECT_TRUE(pm.GetFont(0).bold);

    // Styles apply at run time too: through the window, and shared ones without a window.
    plain->SetAttribute("style", "red");
    EXPECT_EQ(plain->GetTextColor(), 0xFFFF0000u);
    CLabelUI loose;
    loose.SetAttribute("style", "wide");
    EXPECT_EQ(loose.GetFixedWidth(), 77);
}

TEST(DialogBuilder, CustomElementsComeFromTheFactoryThenTheCallback) {
    SkinDir skin;
    CControlFactory::GetInstance().RegistControl("CFancyButtonUI",
                                                 [] { return std::make_unique<FancyButton>(); });
    skin.Write("page.xml",
               R"(<HorizontalLayout name="page"><Label name="inner"/></HorizontalLayout>)");
    skin.Write("main.xml", R"(<Window><VerticalLayout name="root">
          <cfancybuttonui name="fancy"/>
          <Page_UI name="placeholder"/>
          <Unknown_UI name="nothing"/>
        </VerticalLayout></Window>)");
    CPaintManagerUI pm;
    PageCallback callback;
    ASSERT_TRUE(pm.AttachDialog(CDialogBuilder().Create("main.xml", {}, &callback, &pm)));

    EXPECT_EQ(pm.FindControl("fancy")->GetClass(), "FancyButtonUI");
    // The placeholder's attributes land on the built page, whose own children stay.
    EXPECT_EQ(pm.FindControl("placeholder")->GetClass(), "HorizontalLayoutUI");
    EXPECT_NE(pm.FindControl("inner"), nullptr);
    EXPECT_EQ(pm.FindControl("nothing"), nullptr);
    EXPECT_EQ(dynamic_cast<CContainerUI*>(pm.FindControl("root"))->GetCount(), 2);
    EXPECT_EQ(callback.asked, (std::vector<std::string>{"Page_UI", "Unknown_UI"}));
}

TEST(DialogBuilder, SymbolicNamesIncludesAndListRows) {
    SkinDir skin;
    skin.Write("res.xml", R"(<Res><File name="XML_MAIN" path="sub/main.xml"/></Res>)");
    std::filesystem::create_directories(skin.Path() + "/sub");
    skin.Write("sub/main.xml",
               R"(<VerticalLayout name="root"><Include source="rows.xml"/></VerticalLayout>)");
    skin.Write("rows.xml", R"(<List name="list" menu="true" selectedid="1">
          <ListTextElement name="r0" text="a" text1="b" userdata="x"/>
          <ListContainerElement name="r1" height="30"><Label name="cell"/></ListContainerElement>
        </List>)");
    ASSERT_TRUE(CResourceManager::GetInstance().LoadResource("res.xml"));
    CPaintManagerUI pm;
    ASSERT_TRUE(pm.AttachDialog(CDialogBuilder().Create("XML_MAIN", {}, nullptr, &pm)));

    auto* list = dynamic_cast<CListUI*>(pm.FindControl("list"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->IsContextMenuUsed());
    auto* row = dynamic_cast<CListTextElementUI*>(list->GetElementAt(0));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetText(0), "a");
    EXPECT_EQ(row->GetText(1), "b");
    EXPECT_EQ(row->GetUserData(), "x");
    EXPECT_EQ(list->GetElementAt(1)->GetFixedHeight(), 30);
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_TRUE(list->GetElementAt(1)->IsSelected());
}

TEST(DialogBuilder, UnbuildableSkinsGiveNullWithAReason) {
    SkinDir skin;
    skin.Write("broken.xml", "<Window><VerticalLayout>");
    skin.Write("empty.xml", R"(<Window size="10,10"><Font id="0"/></Window>)");
    skin.Write("loop.xml", R"(<Include source="loop.xml"/>)");
    for (const char* file : {"missing.xml", "broken.xml", "empty.xml", "loop.xml"}) {
        SCOPED_TRACE(file);
        CDialogBuilder builder;
        EXPECT_EQ(builder.Create(file), nullptr);
        EXPECT_FALSE(builder.GetLastError().empty());
    }
}

TEST(DialogBuilder, LayoutsPlaceChildren) {
    SkinDir skin;
    skin.Write("main.xml", R"(<Window size="200,100"><VerticalLayout name="root">
        <Control name="fixed" height="30"/>
        <HorizontalLayout name="row" childpadding="10" inset="5,0,5,0">
          <Control name="left" width="40"/><Control name="right"/>
          <Control name="float" float="true" pos="1,2,11,22"/>
        </HorizontalLayout>
        <Control name="rest"/>
        <Control name="hidden" visible="false"/>
      </VerticalLayout></Window>)");
    CPaintManagerUI pm;
    ASSERT_TRUE(pm.AttachDialog(CDialogBuilder().Create("main.xml", {}, nullptr, &pm)));
    pm.SetClientSize(pm.GetInitSize());
    pm.UpdateLayout();

    struct Case {
        const char* name;
        Rect pos;
    } cases[] = {
        {"fixed", {0, 0, 200, 30}},   {"row", {0, 30, 200, 65}},  {"left", {5, 30, 45, 65}},
        {"right", {55, 30, 195, 65}}, {"float", {1, 32, 11, 52}}, {"rest", {0, 65, 200, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pm.FindControl(c.name)->GetPos(), c.pos);
    }
}

TEST(DialogBuilder, TabLayoutShowsTheSelectedPage) {
    SkinDir skin;
    skin.Write("main.xml", R"(<TabLayout name="tabs" selectedid="1">
        <Control name="p0"/><Control name="p1"/><Control name="p2"/></TabLayout>)");
    CPaintManagerUI pm;
    ASSERT_TRUE(pm.AttachDialog(CDialogBuilder().Create("main.xml", {}, nullptr, &pm)));
    auto* tabs = dynamic_cast<CTabLayoutUI*>(pm.FindControl("tabs"));
    ASSERT_NE(tabs, nullptr);
    auto shown = [&] {
        std::string visible;
        for (const char* page : {"p0", "p1", "p2"}) {
            visible += pm.FindControl(page)->IsVisible() ? page : "";
        }
        return visible;
    };
    EXPECT_EQ(shown(), "p1");
    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_EQ(shown(), "p2");
    EXPECT_FALSE(tabs->SelectItem(3));
    EXPECT_EQ(tabs->GetCurSel(), 2);
}

// Pages share one area: a page made visible by hand must not cover the selected one.
TEST(DialogBuilder, TabLayoutHitsOnlyTheSelectedPageEvenWhenAnotherIsMadeVisible) {
    SkinDir skin;
    skin.Write("main.xml", R"(<Window size="100,100"><TabLayout name="tabs" selectedid="0">
        <Control name="p0"/><Control name="p1"/></TabLayout></Window>)");
    CPaintManagerUI pm;
    ASSERT_TRUE(pm.AttachDialog(CDialogBuilder().Create("main.xml", {}, nullptr, &pm)));
    pm.SetClientSize(pm.GetInitSize());
    pm.FindControl("p1")->SetVisible(true);
    pm.UpdateLayout();
    EXPECT_EQ(pm.FindControl(Point{50, 50}), pm.FindControl("p0"));
}

}  // namespace
}  // namespace toolkit
