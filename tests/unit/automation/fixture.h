#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/context.h"
#include "automation/json.h"
#include "automation/request_handler.h"
#include "automation/window_tracker.h"
#include "devsim/simulator.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/core/window.h"

namespace automation::testing {

// A window built from a skin in a temporary folder that records its notifications as
// "type:sender" and lets tests see its window messages.
class RecordingWindow : public toolkit::WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "TestWnd"; }
    std::string GetSkinFile() const override { return "main.xml"; }
    void Notify(toolkit::TNotifyUI& msg) override;

    std::vector<std::string> received;
    std::function<void(const toolkit::TNotifyUI&)> onNotify;
    std::function<bool(toolkit::UINT, toolkit::WPARAM, toolkit::LPARAM)> onMessage;

protected:
    toolkit::LRESULT HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                         toolkit::LPARAM lParam, bool& handled) override;
};

// The controls every request test drives.
inline constexpr const char* kTestSkin = R"(<Window size="400,400"><VerticalLayout name="root">
    <Button name="btn" height="20" text="Go" tooltip="Press me" userdata="u1"/>
    <Option name="opt" group="g" height="20"/>
    <CheckBox name="chk" height="20"/>
    <Slider name="sld" height="20" min="0" max="100" thumbsize="0,0"/>
    <Edit name="edt" height="20"/>
    <List name="lst" height="60" menu="true">
      <ListLabelElement name="row0" text="a" userdata="first"/>
      <ListLabelElement name="row1" text="b" userdata="second"/>
      <ListLabelElement name="row2" text="c" userdata="third"/>
    </List>
    <Button name="hidden" height="20" visible="false"/>
    <Control name="filler"/>
  </VerticalLayout></Window>)";

// A headless window with the test skin, a simulator and a request handler over both, all on
// the test's thread, which runs the message loop while a request is pending.
class AutomationTest : public ::testing::Test {
protected:
    AutomationTest();
    ~AutomationTest() override;

    AutomationContext Context();
    // Runs one request line through the handler and returns its reply, serving the loop until
    // it comes (a reaper fails the test instead of hanging).
    Json Call(const std::string& line);
    // Serves the loop until done() or the reaper's time-out.
    void RunUntil(const std::function<bool()>& done);

    std::string skinDir_;
    std::shared_ptr<WindowTracker> tracker_;
    RecordingWindow window_;
    devsim::Simulator simulator_;
    toolkit::CHeadlessTrayIcon tray_;
    std::unique_ptr<RequestHandler> handler_;
};

// True when `expected` occurs in `actual` in order, other entries allowed in between.
bool InOrder(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

}  // namespace automation::testing
