#include <gtest/gtest.h>

#include "skin_fixture.h"
#include "toolkit/core/resource_manager.h"

namespace toolkit {
namespace {

using testing::SkinDir;
using testing::TestWindow;

class LanguageWindow : public TestWindow {
public:
    using TestWindow::TestWindow;
    std::optional<std::string> QueryControlText(std::string_view id, std::string_view) override {
        if (id == "titletext") {
            return CResourceManager::GetInstance().GetLanguage() == "en" ? "Demo" : "mouse";
        }
        return std::nullopt;
    }
};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.Write("lan_en.xml", R"(<Language>
            <Text id="message_text_1" value="No device"/><Text id="tip_1" value="Tip"/>
            </Language>)");
        skin_.Write("lan_cn.xml",
                    R"(<Language><Text id="Message_Text_1" value="没有设备"/></Language>)");
        skin_.Write("main.xml", testing::WindowSkin(R"(<VerticalLayout name="root">
            <Label name="msg" resourcetext="true" text="message_text_1" tooltip="tip_1"/>
            <Label name="title" resourcetext="true" text="titletext"/>
            <Label name="plain" text="message_text_1"/>
            <Label name="str_test" resourcetext="true" visible="false"/></VerticalLayout>)"));
        ASSERT_TRUE(window_.Create(HWND(), "main", 0, 0));
        CResourceManager::GetInstance().SetTextQueryInterface(&window_);
    }

    std::string Text(const char* name) const { return window_.FindControl(name)->GetText(); }

    SkinDir skin_;
    LanguageWindow window_{"main.xml"};
};

TEST_F(LanguageTest, ResourceTextsFollowTheLoadedLanguage) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    resources.SetLanguage("en");
    EXPECT_EQ(Text("msg"), "No device");
    EXPECT_EQ(window_.FindControl("msg")->GetToolTip(), "Tip");
    EXPECT_EQ(Text("title"), "Demo");
    EXPECT_EQ(Text("plain"), "message_text_1");

    window_.GetPaintManager().Validate();
    ASSERT_TRUE(resources.LoadLanguage("lan_cn.xml"));
    resources.SetLanguage("cn_zh");
    resources.ReloadText();
    EXPECT_FALSE(window_.GetPaintManager().GetInvalidRect().IsEmpty());
    EXPECT_EQ(Text("msg"), "没有设备");  // ids match without regard to case
    EXPECT_EQ(Text("title"), "mouse");
    // An id neither the language nor the window knows shows as itself.
    EXPECT_EQ(window_.FindControl("msg")->GetToolTip(), "tip_1");

    // A language file that cannot be read keeps the texts in use.
    EXPECT_FALSE(resources.LoadLanguage("lan_missing.xml"));
    EXPECT_EQ(Text("msg"), "没有设备");
}

TEST_F(LanguageTest, HiddenLabelLooksUpAnId) {
    ASSERT_TRUE(CResourceManager::GetInstance().LoadLanguage("lan_en.xml"));
    CControlUI* probe = window_.FindControl("str_test");
    probe->SetText("message_text_1");
    EXPECT_EQ(probe->GetText(), "No device");
}

}  // namespace
}  // namespace toolkit
