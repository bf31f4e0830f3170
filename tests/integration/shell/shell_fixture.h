#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "devsim/simulator.h"
#include "program_folders.h"
#include "toolkit/core/headless_host.h"

namespace app::testing {

// The program's surroundings for one test, in this process: a temporary data and configuration
// folder, the build's default profile files, the simulated devices (a real device node is never
// opened), the headless host, the custom controls and a small fixture skin holding only the
// controls the shell looks up, so that assertions do not follow the real skin's layout (the
// process tests run the real skin).
class ShellTest : public ::testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    // Creates the main window the way the program does (800 x 572, centred).
    CMainWnd& CreateMainWindow(MainWindowOptions options = {});
    // Serves the thread's messages until done() holds; false (and a test failure) after
    // timeoutMs. Needs the main window (its timer wakes the loop).
    bool RunUntil(const std::function<bool()>& done, uint32_t timeoutMs = 5000);
    // Start-up has run: the window hid itself on "windowinit".
    bool RunStartup();
    // Closes the main window through its exit path and serves messages until it is gone.
    void CloseMainWindow();

    std::string MainIni() const;

    // With the default profile files the build lays out beside the executable.
    kavrin_testing::ProgramFolders folders_{KAVRIN_PROGRAM_FILES_DIR};
    devsim::Simulator simulator_;
    std::shared_ptr<toolkit::CHeadlessHost> host_;
    std::unique_ptr<CMainWnd> window_;
};

}  // namespace app::testing
