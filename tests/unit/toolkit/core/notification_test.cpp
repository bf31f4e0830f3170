#include <gtest/gtest.h>

#include <functional>

#include "skin_fixture.h"
#include "toolkit/core/edit.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/test_driver.h"

namespace toolkit {
namespace {

using testing::SkinDir;
using testing::TestWindow;

constexpr const char* kControls = R"(<VerticalLayout name="root">
    <Button name="btn" height="20"/>
    <Option name="opt" group="g" height="20"/>
    <Option name="opt2" group="g" height="20" selected="true"/>
    <CheckBox name="chk" height="20"/>
    <Slider name="sld" height="20" min="0" max="100" thumbsize="0,0"/>
    <Edit name="edt" height="20" maxchar="3"/>
    <List name="lst" height="40" menu="true">
      <ListLabelElement name="row0" text="a"/><ListLabelElement name="row1" text="b"/>
      <ListLabelElement name="row2" text="c"/>
    </List>
    <Combo name="cmb" height="20">
      <ListLabelElement name="c0" text="x"/><ListLabelElement name="c1" text="y"/>
    </Combo>
    <ColorPalette name="pal" height="60"/>
    <Label name="lbl" height="20"/>
    <Control name="filler"/>
  </VerticalLayout>)";

struct InputCase {
    const char* what;
    std::function<bool(CTestDriver&)> act;
    std::vector<std::string> expected;
    std::function<void(CTestDriver&)> verify = [](CTestDriver&) {};
};

class NotificationTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(NotificationTest, InputProducesTheNotificationsOfItsControl) {
    const InputCase& c = GetParam();
    SkinDir skin;
    skin.Write("main.xml", testing::WindowSkin(kControls, 400, 400));
    TestWindow window("main.xml");
    ASSERT_TRUE(window.Create(HWND(), "test", 0, 0));
    CTestDriver driver(window.GetPaintManager());
    window.GetPaintManager().SendWindowInit();
    window.received.clear();

    EXPECT_TRUE(c.act(driver));
    EXPECT_EQ(window.received, c.expected);
    c.verify(driver);
}

INSTANTIATE_TEST_SUITE_P(
    ControlKinds, NotificationTest,
    ::testing::Values(
        InputCase{"button",
                  [](CTestDriver& d) { return d.Click("btn"); },
                  {"msenter:btn", "setfocus:btn", "click:btn"}},
        InputCase{"disabled button",
                  [](CTestDriver& d) {
                      d.Find("btn")->SetEnabled(false);
                      return !d.Click("btn");
                  },
                  {}},
        InputCase{"grouped option",
                  [](CTestDriver& d) { return d.Click("opt"); },
                  {"msenter:opt", "setfocus:opt", "click:opt", "selectchanged:opt"},
                  [](CTestDriver& d) {
                      EXPECT_TRUE(d.FindAs<COptionUI>("opt")->IsSelected());
                      EXPECT_FALSE(d.FindAs<COptionUI>("opt2")->IsSelected());
                  }},
        InputCase{"selected grouped option clicked again",
                  [](CTestDriver& d) { return d.Click("opt2"); },
                  {"msenter:opt2", "setfocus:opt2", "click:opt2"}},
        InputCase{"check box",
                  [](CTestDriver& d) { return d.Click("chk"); },
                  {"msenter:chk", "setfocus:chk", "click:chk", "selectchanged:chk"},
                  [](CTestDriver& d) { EXPECT_TRUE(d.FindAs<CCheckBoxUI>("chk")->GetCheck()); }},
        InputCase{"slider",
                  [](CTestDriver& d) { return d.SetValue(d.Find("sld"), 40); },
                  {"msenter:sld", "setfocus:sld", "movevaluechanged:sld", "valuechanged:sld"},
                  [](CTestDriver& d) { EXPECT_EQ(d.FindAs<CSliderUI>("sld")->GetValue(), 40); }},
        InputCase{"slider arrow key",
                  [](CTestDriver& d) {
                      d.Focus(d.Find("sld"));
                      d.PressKey(kVkEnd);
                      return d.FindAs<CSliderUI>("sld")->GetValue() == 100;
                  },
                  {"msenter:sld", "setfocus:sld", "movevaluechanged:sld", "valuechanged:sld",
                   "valuechanged:sld"}},
        InputCase{"edit typing past its limit",
                  [](CTestDriver& d) {
                      bool typed = d.TypeText(d.Find("edt"), "a1bc");
                      d.PressKey(kVkBack);
                      d.PressKey(kVkReturn);
                      return typed;
                  },
                  {"msenter:edt", "setfocus:edt", "textchanged:edt", "textchanged:edt",
                   "textchanged:edt", "textchanged:edt", "return:edt"},
                  [](CTestDriver& d) { EXPECT_EQ(d.Find("edt")->GetText(), "a1"); }},
        InputCase{"focus leaving an edit",
                  [](CTestDriver& d) { return d.Focus(d.Find("edt")) && d.Click("btn"); },
                  {"msenter:edt", "setfocus:edt", "msleave:edt", "msenter:btn", "killfocus:edt",
                   "setfocus:btn", "click:btn"}},
        InputCase{"list row",
                  [](CTestDriver& d) { return d.SelectItem(d.Find("lst"), 1); },
                  {"msenter:row1", "setfocus:row1", "itemclick:row1", "itemselect:lst"},
                  [](CTestDriver& d) { EXPECT_EQ(d.FindAs<CListUI>("lst")->GetCurSel(), 1); }},
        InputCase{"list row scrolled into view",
                  [](CTestDriver& d) { return d.SelectItem(d.Find("lst"), 2); },
                  {"msenter:row2", "setfocus:row2", "itemclick:row2", "itemselect:lst"}},
        InputCase{"list row double click",
                  [](CTestDriver& d) { return d.DoubleClick(d.Find("row0")); },
                  {"msenter:row0", "setfocus:row0", "itemclick:row0", "itemselect:lst",
                   "itemactivate:row0"}},
        InputCase{"list context menu",
                  [](CTestDriver& d) { return d.RightClick(d.Find("row0")); },
                  {"msenter:row0", "menu:lst"}},
        InputCase{"list arrow key",
                  [](CTestDriver& d) {
                      d.SelectItem(d.Find("lst"), 0);
                      d.PressKey(kVkDown);
                      return d.FindAs<CListUI>("lst")->GetCurSel() == 1;
                  },
                  {"msenter:row0", "setfocus:row0", "itemclick:row0", "itemselect:lst",
                   "killfocus:row0", "setfocus:row1", "itemselect:lst"}},
        InputCase{"combo",
                  [](CTestDriver& d) { return d.SelectItem(d.Find("cmb"), 1); },
                  {"msenter:cmb", "setfocus:cmb", "msleave:cmb", "msenter:c1", "killfocus:cmb",
                   "setfocus:c1", "itemclick:c1", "itemselect:cmb"},
                  [](CTestDriver& d) {
                      EXPECT_EQ(d.Find("cmb")->GetText(), "y");
                      EXPECT_FALSE(d.FindAs<CComboUI>("cmb")->IsDropped());
                  }},
        InputCase{"colour palette",
                  [](CTestDriver& d) { return d.PickColor(d.Find("pal"), 0xFF00FF00); },
                  {"msenter:pal", "setfocus:pal", "colorchanged:pal"}},
        InputCase{"hover in and out",
                  [](CTestDriver& d) {
                      bool in = d.HoverIn(d.Find("lbl"));
                      d.HoverOut();
                      return in;
                  },
                  {"msenter:lbl", "msleave:lbl"}}),
    [](const ::testing::TestParamInfo<InputCase>& param) {
        std::string name = param.param.what;
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

}  // namespace
}  // namespace toolkit
