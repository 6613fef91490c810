// What the settings scenarios share: SettingsWindow found by its caption,
// its controls by their layout names, its pages, and the temporary folder
// the program writes its batches into.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdlib>
#include <string>

#include "resources/settings_window_layout.h"
#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {

class SettingsScenario : public ShellScenario {
 protected:
  // The program pings this computer by its name: one that resolves to the
  // loopback address keeps it off the machine's own interface.
  void SetUp() override {
    ShellScenario::SetUp();
    WriteRegText(Hive::LocalMachine, kComputerNameValue, "localhost");
  }

  // The program's temporary folder: the driver runs as the same user in the
  // same prefix. Ends with a backslash.
  static std::string TempFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, path);
    return std::string(path, length);
  }

  HWND WaitForSettings() { return WaitForTopLevel(program().Id(), "设置"); }

  HWND OpenSettingsFromButton(HWND main) {
    Click(Control(main, "sharingSettingsButton"));
    HWND settings = WaitForSettings();
    EXPECT_NE(settings, nullptr) << "no settings window";
    return settings;
  }

  HWND SettingsControl(HWND settings, const char* name) {
    HWND control = FindControl(settings, kSettingsWindowLayout, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // The tab control moves one page per arrow key and tells its window, as a
  // user's key would.
  void ShowPage(HWND settings, int page) {
    HWND tabs = SettingsControl(settings, "settingsTabs");
    if (!tabs) return;
    const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    const WPARAM key = page > current ? VK_RIGHT : VK_LEFT;
    for (int step = 0; step < std::abs(page - current); ++step) {
      PostMessageA(tabs, WM_KEYDOWN, key, 0);
      PostMessageA(tabs, WM_KEYUP, key, 0);
    }
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == page; }));
  }

  // Waits for the message box with that text and closes it with its OK.
  void Acknowledge(const std::string& text) {
    HWND box = WaitForMessageBox(program().Id(), text);
    ASSERT_NE(box, nullptr) << "no message " << text;
    EXPECT_EQ(MessageBoxTitle(box), "信息：");
    EXPECT_TRUE(PressButton(box, IDOK));
  }

  // Chooses an item of MainWindow's context menu as a user would: a right
  // click into the computer list (on the entry `onEntry`, or on empty space,
  // which leaves no entry selected), then the arrow keys down to the item
  // among those shown, and Enter.
  void ChooseMenuItem(HWND main, const std::string& item, int onEntry = -1) {
    const MenuLayout& menu = kMainWindowLayout.menus.at(0);
    // Of the two view items one is shown at a time, in the same place.
    int steps = 0;
    for (const MenuItemLayout& entry : menu.items) {
      if (!entry.visible && item != entry.name) continue;
      if (item == "viewByNameItem" && std::string(entry.name) == "viewByIpItem") continue;
      ++steps;
      if (item == entry.name) break;
    }
    HWND list = Control(main, "computerList");
    if (!list) return;
    if (onEntry >= 0) {
      RemoteListView(list).RightClick(onEntry);
    } else {
      RemoteListView(list).ClickAt(POINT{400, 280}, true);
    }
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (HWND window : TopLevelWindows(program().Id()))
        if (WindowClass(window) == "#32768" && IsWindowVisible(window)) {
          popup = window;
          return true;
        }
      return false;
    })) << "no context menu";
    for (int step = 0; step < steps; ++step) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));
  }

  // The program's input box with that title: its field holds `answer` and
  // its OK is pressed.
  void AnswerInputBox(const std::string& title, const std::string& answer) {
    HWND box = WaitForTopLevel(program().Id(), title);
    ASSERT_NE(box, nullptr) << "no input box " << title;
    HWND field = FindWindowExA(box, nullptr, "Edit", nullptr);
    ASSERT_NE(field, nullptr);
    SetControlText(field, answer);
    EXPECT_TRUE(TakeScreenshot("input-box"));
    EXPECT_TRUE(PressButton(box, IDOK));
  }

  // The fields are filled by a worker after the window shows.
  void WaitForFields(HWND settings) {
    HWND name = SettingsControl(settings, "computerNameEdit");
    EXPECT_TRUE(WaitUntil([&] { return !ControlText(name).empty(); })) << "fields not loaded";
  }
};

}  // namespace volmere::e2e
