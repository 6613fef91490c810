// What the shell's scenarios share: the program's main window, the
// first-run question and the caption the start-up completes.
#pragma once

#include <string>

#include "resources/main_window_layout.h"
#include "tests/e2e/driver/e2e_driver.h"

namespace volmere::e2e {

inline const char* const kFirstRunQuestion = "你是第一次使用本软件，是否立即查看帮助？";
inline const char* const kFirstRunMarker = "SOFTWARE\\Volmere\\bz";
inline const char* const kCompanyName = "SOFTWARE\\Volmere\\gsm";
inline const char* const kAutoCloseSwitch = "SOFTWARE\\Volmere\\zdgb";
// Start-up reads CurrentControlSet: under Wine a separate key from
// ControlSet001, so this is the one to read and to write.
inline const char* const kComputerNameValue =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";

class ShellScenario : public Scenario {
 protected:
  // The prefix's computer name, as the program reads it.
  static std::string ComputerName() {
    return ReadRegText(Hive::LocalMachine, kComputerNameValue).value_or("");
  }

  // The caption once start-up has found the workgroup that the net
  // stand-in reports.
  static std::string CompletedCaption(const std::string& company) {
    return company + "Volmere---计算机名：" + ComputerName() + "  工作组：WORKGROUP";
  }

  // The program's main window: its visible top-level window that is not a
  // message box. nullptr when it has not appeared within the time limit.
  HWND WaitForMainWindow(int timeoutMs = 15000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : TopLevelWindows(program().Id()))
            if (IsWindowVisible(window) && WindowClass(window) != "#32770" &&
                WindowCaption(window).find("Volmere") != std::string::npos)
              return (found = window) != nullptr;
          return false;
        },
        timeoutMs);
    return found;
  }

  // Waits until the main window's caption is `caption`; the last caption
  // seen otherwise, for the failure message.
  std::string WaitForCaption(HWND window, const std::string& caption, int timeoutMs = 30000) {
    std::string seen;
    WaitUntil([&] { return (seen = WindowCaption(window)) == caption; }, timeoutMs);
    return seen;
  }

  // The first-run question, checked for its title and its two buttons.
  HWND WaitForFirstRunQuestion() {
    HWND box = WaitForMessageBox(program().Id(), kFirstRunQuestion);
    if (box) {
      EXPECT_EQ(MessageBoxTitle(box), "信息：");
      EXPECT_TRUE(HasButton(box, IDYES));
      EXPECT_TRUE(HasButton(box, IDNO));
      EXPECT_FALSE(HasButton(box, IDOK));
    }
    return box;
  }

  // Starts the program as a user who has answered the first-run question
  // before, and waits for its caption to be complete.
  HWND StartAnsweredAndWaitForCaption(const std::string& company) {
    WriteRegText(Hive::CurrentUser, kFirstRunMarker, "不是第一次使用");
    StartProgram();
    HWND window = WaitForMainWindow();
    if (!window) {
      ADD_FAILURE() << "no main window";
      return nullptr;
    }
    EXPECT_EQ(WaitForCaption(window, CompletedCaption(company)), CompletedCaption(company));
    return window;
  }

  HWND Control(HWND window, const char* name) {
    HWND control = FindControl(window, kMainWindowLayout, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
};

}  // namespace volmere::e2e
