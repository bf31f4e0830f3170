#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "devsim/simulator.h"
#include "profile/profile_types.h"
#include "program_folders.h"
#include "toolkit/core/headless_host.h"

namespace app::testing {

// The headless host, counting the windows that open over the main window (message boxes).
class CountingHost final : public toolkit::IWindowHost {
public:
    void AddWindow(toolkit::HWND hwnd, toolkit::CPaintManagerUI* manager, toolkit::HWND owner,
                   const std::string& title) override;
    void RemoveWindow(toolkit::HWND hwnd) override { host_.RemoveWindow(hwnd); }
    toolkit::Rect GetWindowRect(toolkit::HWND hwnd) const override {
        return host_.GetWindowRect(hwnd);
    }
    void SetWindowRect(toolkit::HWND hwnd, const toolkit::Rect& rect) override {
        host_.SetWindowRect(hwnd, rect);
    }
    void ShowWindow(toolkit::HWND hwnd, int command) override { host_.ShowWindow(hwnd, command); }
    bool IsWindowVisible(toolkit::HWND hwnd) const override { return host_.IsWindowVisible(hwnd); }
    bool IsIconic(toolkit::HWND hwnd) const override { return host_.IsIconic(hwnd); }
    bool IsZoomed(toolkit::HWND hwnd) const override { return host_.IsZoomed(hwnd); }
    void SetTopMost(toolkit::HWND hwnd, bool topMost) override { host_.SetTopMost(hwnd, topMost); }
    bool IsTopMost(toolkit::HWND hwnd) const override { return host_.IsTopMost(hwnd); }
    void Paint(toolkit::HWND hwnd) override { host_.Paint(hwnd); }
    toolkit::Rect GetWorkArea() const override { return host_.GetWorkArea(); }
    toolkit::Point GetCursorPos() const override { return host_.GetCursorPos(); }
    std::unique_ptr<toolkit::CTrayIcon> CreateTrayIcon() override { return host_.CreateTrayIcon(); }

    void SetMainWindow(toolkit::HWND hwnd) { main_ = hwnd; }
    // Windows opened so far with the main window as owner.
    int OwnedWindowsOpened() const { return ownedOpened_; }

private:
    toolkit::CHeadlessHost host_;
    toolkit::HWND main_;
    int ownedOpened_ = 0;
};

// The program's main window in this process, with its real skin and default files, a temporary
// data folder and simulated devices (a real device node is never opened).
class DevicesTest : public ::testing::Test {
protected:
    DevicesTest();
    ~DevicesTest() override;

    // Plugs the devices in, then creates the main window and lets it start.
    CMainWnd& Start();
    // Serves the thread's messages until done() holds; false (and a failure) after timeoutMs.
    bool RunUntil(const std::function<bool()>& done, uint32_t timeoutMs = 5000);
    // Waits until the monitor of `link` has ended its current pass and the window has handled
    // everything that pass posted.
    void SettlePass(device::DeviceLink& link);
    void CloseMainWindow();

    bool MainVisible() const;
    toolkit::CControlUI* Control(std::string_view name) const;
    bool ControlVisible(std::string_view name) const;
    bool OptionSelected(std::string_view name) const;
    // Size of a file in the data folder of the device kind; -1 when it is absent.
    static long DataFileSize(profile::DeviceKind kind, std::string_view name);

    kavrin_testing::ProgramFolders folders_{KAVRIN_PROGRAM_FOLDER};
    devsim::Simulator simulator_;
    std::shared_ptr<CountingHost> host_;
    std::unique_ptr<CMainWnd> window_;
};

}  // namespace app::testing
