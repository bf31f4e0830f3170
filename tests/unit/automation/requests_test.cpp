#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "automation/control_state.h"
#include "automation/json.h"
#include "devsim/protocol.h"
#include "devsim/report_descriptors.h"
#include "devsim/sim_path.h"
#include "fixture.h"
#include "platform/input/keyboard_hook.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "sim_client.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/label.h"
#include "toolkit/core/menu_cmd.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/tray_icon.h"

namespace automation::testing {
namespace {

namespace m = platform::msg;

bool Ok(const Json& reply) {
    return reply.Find("ok") != nullptr && reply.Find("ok")->AsBool().value_or(false);
}

std::string ErrorOf(const Json& reply) {
    const Json* error = reply.Find("error");
    return error != nullptr && error->AsString() != nullptr ? *error->AsString() : "";
}

const Json& StateOf(const Json& reply) {
    static const Json kNone;
    const Json* state = reply.Find("state");
    return state != nullptr ? *state : kNone;
}

struct InputCase {
    const char* what;
    std::vector<std::string> requests;
    std::vector<std::string> expected;  // in this order, others may come between
    std::vector<std::string> absent;    // notifications that must not come
    std::string name;                   // control whose state is then checked
    std::string condition;              // members its state must have
};

class InputRequestTest : public AutomationTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputRequestTest, ProducesTheNotificationsOfRealInput) {
    const InputCase& c = GetParam();
    window_.received.clear();
    for (const std::string& request : c.requests) {
        const Json reply = Call(request);
        ASSERT_TRUE(Ok(reply)) << request << " -> " << reply.Write();
    }
    EXPECT_TRUE(InOrder(window_.received, c.expected))
        << ::testing::PrintToString(window_.received);
    for (const std::string& type : c.absent) {
        EXPECT_EQ(std::count(window_.received.begin(), window_.received.end(), type), 0) << type;
    }
    if (!c.name.empty()) {
        const Json state = StateOf(Call(R"({"op":"get","name":")" + c.name + R"("})"));
        EXPECT_TRUE(StateMatches(state, *ParseJson(c.condition).value)) << state.Write();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, InputRequestTest,
    ::testing::Values(
        InputCase{"click", {R"({"op":"click","name":"btn"})"}, {"click:btn"}, {}, "", ""},
        InputCase{"rightclick", {R"({"op":"rightclick","name":"lst"})"}, {"menu:lst"}, {}, "", ""},
        InputCase{"hover",
                  {R"({"op":"hover","name":"btn"})", R"({"op":"leave"})"},
                  {"msenter:btn", "msleave:btn"},
                  {},
                  "",
                  ""},
        InputCase{"select row with event",
                  {R"({"op":"select","name":"lst","index":1})"},
                  {"itemselect:lst"},
                  {},
                  "lst",
                  R"({"current":1})"},
        InputCase{"select row quietly",
                  {R"({"op":"select","name":"lst","index":2,"event":false})"},
                  {},
                  {"itemselect:lst"},
                  "lst",
                  R"({"current":2})"},
        InputCase{"select option",
                  {R"({"op":"select","name":"opt"})"},
                  {"selectchanged:opt"},
                  {},
                  "opt",
                  R"({"selected":true})"},
        InputCase{"check box quietly",
                  {R"({"op":"select","name":"chk","selected":true,"event":false})"},
                  {},
                  {"selectchanged:chk"},
                  "chk",
                  R"({"checked":true})"},
        InputCase{"setvalue",
                  {R"({"op":"setvalue","name":"sld","value":40})"},
                  {"valuechanged:sld"},
                  {},
                  "sld",
                  R"({"value":40,"min":0,"max":100})"},
        InputCase{"setvalue quietly",
                  {R"({"op":"setvalue","name":"sld","value":70,"event":false})"},
                  {},
                  {"valuechanged:sld", "movevaluechanged:sld"},
                  "sld",
                  R"({"value":70})"},
        InputCase{"type",
                  {R"({"op":"type","name":"edt","text":"ab"})"},
                  {"textchanged:edt", "textchanged:edt"},
                  {},
                  "edt",
                  R"({"text":"ab"})"},
        InputCase{"settext",
                  {R"({"op":"settext","name":"edt","text":"x\u00e9"})"},
                  {"textchanged:edt"},
                  {},
                  "edt",
                  R"({"text":"x\u00e9"})"},
        InputCase{"settext quietly",
                  {R"({"op":"settext","name":"btn","text":"Stop","event":false})"},
                  {},
                  {"textchanged:btn"},
                  "btn",
                  R"({"text":"Stop"})"},
        InputCase{"focus and kill focus",
                  {R"({"op":"focus","name":"edt"})", R"({"op":"killfocus"})"},
                  {"setfocus:edt", "killfocus:edt"},
                  {},
                  "edt",
                  R"({"focused":false})"}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(AutomationTest, GetDescribesTheControlAndItsKind) {
    const Json button = StateOf(Call(R"({"op":"get","name":"btn","id":"b"})"));
    EXPECT_TRUE(StateMatches(button, *ParseJson(R"({"exists":true,"class":"ButtonUI",
        "visible":true,"enabled":true,"text":"Go","tooltip":"Press me","userData":"u1",
        "resourceText":false,"changer":{"on":false,"alpha":255}})")
                                          .value))
        << button.Write();
    EXPECT_EQ(button.Find("pos")->Find("right")->AsInt(), 400);

    const Json list = StateOf(Call(R"({"op":"get","name":"lst"})"));
    EXPECT_EQ(list.Find("items")->Write(), R"([{"name":"row0","text":"a","userData":"first"},)"
                                           R"({"name":"row1","text":"b","userData":"second"},)"
                                           R"({"name":"row2","text":"c","userData":"third"}])");
    EXPECT_EQ(list.Find("current")->AsInt(), -1);

    EXPECT_EQ(StateOf(Call(R"({"op":"get","name":"hidden"})")).Find("visible")->AsBool(), false);
    EXPECT_EQ(StateOf(Call(R"({"op":"get","name":"nothing"})")).Write(), R"({"exists":false})");
    EXPECT_EQ(Call(R"({"op":"ping","id":[1,"x"]})").Write(), R"({"ok":true,"id":[1,"x"]})");
}

TEST_F(AutomationTest, BadRequestsGetAClearError) {
    const struct {
        const char* request;
        const char* error;
    } cases[] = {
        {R"([1,2])", "must be a JSON object"},
        {R"({"name":"btn"})", "\"op\" is required"},
        {R"({"op":"fly"})", "unknown op \"fly\""},
        {R"({"op":"click","name":"nope"})", "no control named \"nope\""},
        {R"({"op":"click","name":"hidden"})", "did not take effect"},
        {R"({"op":"click"})", "\"name\" is required"},
        {R"({"op":"setvalue","name":"sld","value":"high"})", "\"value\" must be a whole number"},
        {R"({"op":"setvalue","name":"btn","value":3})", "did not take effect"},
        {R"({"op":"select","name":"lst","index":9})", "did not take effect"},
        {R"({"op":"get","name":"btn","window":"Elsewhere"})", "no window \"Elsewhere\""},
        {R"({"op":"wait","ms":-1})", "\"ms\" must be a whole number"},
        {R"({"op":"wait","name":"btn","until":3})", "\"until\" must be an object"},
        {R"({"op":"menu","item":"lan_en"})", "no open menu has an item named"},
        {R"({"op":"tray","message":"wiggle"})", "unknown tray message"},
        {R"({"op":"plug","device":"toaster"})", "unknown device \"toaster\""},
        {R"({"op":"plug","device":"mouse","product":"beef"})", "product id not of this device"},
        {R"({"op":"plug","device":"mouse","product":"10x3"})", "hexadecimal product id"},
        {R"({"op":"plug","device":"mouse","product":true})", "\"product\" must be a whole number"},
        {R"({"op":"memory","device":"mouse","area":"params","offset":400})", "\"offset\""},
        {R"({"op":"memory","device":"mouse","area":"rom"})", "unknown memory area"},
        {R"({"op":"fault","device":"mouse","kind":"fire"})", "unknown fault kind"},
        {R"({"op":"notice","device":"mouse","usage":1025})", "not plugged in"},
        {R"({"op":"key"})", "\"vk\" is required"},
    };
    for (const auto& c : cases) {
        const Json reply = Call(c.request);
        EXPECT_FALSE(Ok(reply)) << c.request;
        EXPECT_NE(ErrorOf(reply).find(c.error), std::string::npos)
            << c.request << " -> " << reply.Write();
    }
    EXPECT_EQ(Call(R"({"op":"fly","id":7})").Find("id")->AsInt(), 7);

    AutomationContext noSimulator = Context();
    noSimulator.simulator = nullptr;
    handler_ = std::make_unique<RequestHandler>(noSimulator);
    EXPECT_NE(ErrorOf(Call(R"({"op":"plug","device":"mouse"})")).find("--simulate"),
              std::string::npos);
}

TEST_F(AutomationTest, WaitsKeepTheLoopServingUntilTheConditionHolds) {
    // The change comes from the loop itself while the wait is pending.
    m::SetTimer(window_.GetHWND(), 77, 60);
    window_.onMessage = [this](toolkit::UINT message, toolkit::WPARAM wParam, toolkit::LPARAM) {
        if (message == m::WM_TIMER && wParam == 77) {
            m::KillTimer(window_.GetHWND(), 77);
            window_.FindControl("btn")->SetText("done");
            return true;
        }
        return false;
    };
    const Json met = Call(R"({"op":"wait","name":"btn","until":{"text":"done"},"timeout":3000})");
    EXPECT_TRUE(Ok(met)) << met.Write();
    EXPECT_EQ(*StateOf(met).Find("text")->AsString(), "done");

    const Json missed =
        Call(R"({"op":"wait","name":"btn","until":{"visible":false},"timeout":50,"id":3})");
    EXPECT_FALSE(Ok(missed));
    EXPECT_NE(ErrorOf(missed).find("timed out"), std::string::npos);
    EXPECT_EQ(StateOf(missed).Find("visible")->AsBool(), true);
    EXPECT_EQ(missed.Find("id")->AsInt(), 3);

    const uint64_t before = platform::sys::GetTickCount64();
    EXPECT_TRUE(Ok(Call(R"({"op":"wait","ms":40})")));
    EXPECT_GE(platform::sys::GetTickCount64() - before, 40u);
    // A condition that holds at once answers without waiting; so does a missing window's control.
    EXPECT_TRUE(Ok(Call(R"({"op":"wait","name":"gone","until":{"exists":false}})")));
    EXPECT_TRUE(Ok(Call(R"({"op":"wait","window":"later","name":"x","until":{"exists":false}})")));
}

TEST_F(AutomationTest, WindowsTellTheTooltipAHoverShowsThroughTheRealHost) {
    window_.ShowWindow(true);
    auto shown = [this] {
        return *Call(R"({"op":"windows"})").Find("windows")->Items()[0].Find("tooltip")->AsString();
    };
    const auto& host = static_cast<const toolkit::CHeadlessHost&>(tracker_->inner());
    ASSERT_TRUE(Ok(Call(R"({"op":"hover","name":"btn"})")));
    EXPECT_EQ(shown(), "");
    ASSERT_TRUE(
        Ok(Call(R"({"op":"wait","ms":)" + std::to_string(toolkit::kToolTipDelayMs + 50) + "}")));
    EXPECT_EQ(shown(), "Press me");
    ASSERT_TRUE(host.GetToolTip(window_.GetHWND()));
    EXPECT_EQ(host.GetToolTip(window_.GetHWND())->text, "Press me");
    ASSERT_TRUE(Ok(Call(R"({"op":"leave"})")));
    EXPECT_EQ(shown(), "");
    EXPECT_FALSE(host.GetToolTip(window_.GetHWND()));
}

TEST_F(AutomationTest, SimulatorRequestsReachTheDevices) {
    devsim::SimDevice& mouse = simulator_.mouse();
    const Json plugged = Call(R"({"op":"plug","device":"mouse","product":4099})");
    ASSERT_TRUE(Ok(plugged)) << plugged.Write();
    EXPECT_TRUE(mouse.plugged());
    EXPECT_EQ(plugged.Find("product")->AsInt(), mouse.identity().productId);

    mouse.EditMemory([](devsim::DeviceMemory& memory) {
        memory.params[devsim::kParamDpiLevels[0]] = 0x2A;
        memory.params[devsim::kParamDpiLevels[1]] = 0xF0;
    });
    const Json memory = Call(R"({"op":"memory","device":"mouse","area":"params","offset":15,
        "length":2})");
    EXPECT_EQ(*memory.Find("data")->AsString(), "2af0");
    EXPECT_EQ(memory.Find("size")->AsInt(), static_cast<int64_t>(devsim::kParamAreaSize));

    ASSERT_TRUE(Ok(Call(R"({"op":"fault","device":"mouse","kind":"status","status":255,
        "command":5,"times":1})")));
    std::unique_ptr<platform::hid::Connection> connection;
    ASSERT_EQ(simulator_.backend()->Open(
                  devsim::FormatSimPath({mouse.identity(), devsim::kVendorCollection, "mouse"}),
                  {.read = true, .write = true, .overlapped = true}, connection),
              platform::hid::OpenStatus::kOk);
    devsim::testing::Transact(*connection,
                              devsim::testing::MakeRequest(devsim::command::kReadParams, 8, 16));
    devsim::testing::Transact(*connection,
                              devsim::testing::MakeRequest(devsim::command::kReadParams, 8, 24));
    const Json log = Call(R"({"op":"log","device":"mouse","clear":true})");
    const auto& entries = log.Find("entries")->Items();
    ASSERT_EQ(entries.size(), 2u) << log.Write();
    EXPECT_EQ(entries[0].Write(),
              R"({"command":5,"offset":16,"length":8,"data":"0000000000000000",)"
              R"("checksumOk":true,"status":255})");
    EXPECT_EQ(entries[1].Find("status")->AsInt(), devsim::status::kOk);
    EXPECT_TRUE(mouse.log().empty());

    EXPECT_TRUE(Ok(Call(R"({"op":"notice","device":"mouse","usage":1025})")));
    ASSERT_TRUE(Ok(Call(R"({"op":"unplug","device":"mouse"})")));
    EXPECT_FALSE(mouse.plugged());
}

TEST_F(AutomationTest, TrayMenuKeyAndScreenshotGoThroughTheirOwnPaths) {
    std::vector<toolkit::LPARAM> trayEvents;
    std::string chosen;
    std::vector<toolkit::WPARAM> keys;
    window_.onMessage = [&](toolkit::UINT message, toolkit::WPARAM wParam, toolkit::LPARAM lParam) {
        if (message == toolkit::kTrayMessage) {
            trayEvents.push_back(lParam);
        } else if (message == toolkit::kMenuCommandMessage) {
            chosen = toolkit::TakeMenuCmd(lParam)->name;
            return true;  // taken: the window must not free it again
        } else if (message == m::WM_KEYDOWN) {
            keys.push_back(wParam);
        }
        return false;
    };

    ASSERT_TRUE(Ok(Call(R"({"op":"tray","message":"rbuttonup"})")));
    RunUntil([&] { return !trayEvents.empty(); });
    EXPECT_EQ(trayEvents, std::vector<toolkit::LPARAM>{m::WM_RBUTTONUP});

    std::ofstream(skinDir_ + "/menu.xml") << R"(<Menu width="120">
        <MenuElement name="lan_en" text="English"/><MenuElement name="about" text="About"/></Menu>)";
    auto* menu = new toolkit::CMenuWnd();
    ASSERT_TRUE(menu->Init("menu.xml", {0, 0}, &window_.GetPaintManager()));
    const Json windows = Call(R"({"op":"windows"})");
    ASSERT_EQ(windows.Find("windows")->Items().size(), 2u) << windows.Write();
    EXPECT_EQ(*windows.Find("windows")->Items()[1].Find("name")->AsString(), "MenuWnd");
    EXPECT_TRUE(Ok(Call(R"({"op":"menu","item":"about"})")));
    RunUntil([&] { return !chosen.empty() && toolkit::CMenuWnd::GetOpenMenuCount() == 0; });
    EXPECT_EQ(chosen, "about");
    EXPECT_EQ(Call(R"({"op":"windows"})").Find("windows")->Items().size(), 1u);

    platform::input::KeyboardHook hook = platform::input::InstallKeyboardHook(
        [](const platform::input::KeyEvent& key) { return key.virtualKey == 0x41; });
    EXPECT_EQ(Call(R"({"op":"key","vk":65})").Find("swallowed")->AsBool(), true);
    EXPECT_EQ(Call(R"({"op":"key","vk":66})").Find("swallowed")->AsBool(), false);
    EXPECT_EQ(Call(R"({"op":"key","vk":66,"down":false})").Find("swallowed")->AsBool(), false);
    EXPECT_EQ(keys, std::vector<toolkit::WPARAM>{0x42});

    const std::string png = skinDir_ + "/shot.png";
    const Json shot = Call(R"({"op":"screenshot","path":")" + png + R"("})");
    ASSERT_TRUE(Ok(shot)) << shot.Write();
    EXPECT_EQ(shot.Find("width")->AsInt(), 400);
    EXPECT_GT(std::filesystem::file_size(png), 0u);
}

}  // namespace
}  // namespace automation::testing
