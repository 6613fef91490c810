// A pass over MainWindow as a user would make one: every button and every
// context-menu item runs its command, and every window it opens is kept as a
// picture before it is closed again.
#include "tests/e2e/settings_fixture.h"

namespace volmere::e2e {
namespace {

class MainWindowPass : public SettingsScenario {
 protected:
  // The program's folder picker: the dialog with a folder tree.
  HWND WaitForFolderPicker() {
    HWND found = nullptr;
    WaitUntil([&] {
      for (HWND window : TopLevelWindows(program().Id()))
        if (IsWindowVisible(window) && WindowClass(window) == "#32770" &&
            FindWindowExA(window, nullptr, "SysTreeView32", nullptr)) {
          found = window;
          return true;
        }
      return false;
    });
    EXPECT_NE(found, nullptr) << "no folder picker";
    return found;
  }

  void CancelFolderPicker(const std::string& shot) {
    HWND picker = WaitForFolderPicker();
    if (!picker) return;
    EXPECT_TRUE(TakeScreenshot(shot));
    PressButton(picker, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
  }

  // Waits for the window, keeps its picture and closes it with Esc.
  void ShootAndEscape(const std::string& caption, const std::string& shot) {
    HWND window = WaitForTopLevel(program().Id(), caption);
    ASSERT_NE(window, nullptr) << "no window " << caption;
    SleepMs(500);
    EXPECT_TRUE(TakeScreenshot(shot));
    PressEscape(window);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << caption << " stays open";
  }

  void CancelInputBox(const std::string& title) {
    HWND box = WaitForTopLevel(program().Id(), title);
    ASSERT_NE(box, nullptr) << "no input box " << title;
    EXPECT_TRUE(TakeScreenshot("input-" + std::to_string(++inputBoxes_)));
    PressButton(box, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  }

  // Nothing of the program is left open above MainWindow.
  void ExpectOnlyMainWindow(HWND main) {
    EXPECT_TRUE(WaitUntil([&] {
      for (HWND window : TopLevelWindows(program().Id()))
        if (window != main && IsWindowVisible(window) &&
            WindowClass(window) != "ConsoleWindowClass")
          return false;
      return true;
    })) << "a window stayed open";
    EXPECT_TRUE(IsWindowEnabled(main));
  }

 private:
  int inputBoxes_ = 0;
};

TEST_F(MainWindowPass, EveryButtonRunsItsCommand) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(TakeScreenshot("main-window"));

  Click(Control(main, "refreshButton"));
  EXPECT_TRUE(WaitUntil([&] { return IsControlEnabled(Control(main, "refreshButton")); }));
  EXPECT_TRUE(
      WaitUntil([&] { return RemoteListView(Control(main, "computerList")).Count() >= 1; }));

  // The sweep is never started: it would ping the machine's own subnet.
  Click(Control(main, "pingSweepButton"));
  ShootAndEscape("ping获取计算机", "ping-sweep-window");

  Click(Control(main, "localSharesButton"));
  ShootAndEscape("本机共享资源列表", "local-shares-window");

  Click(Control(main, "shareFolderButton"));
  CancelFolderPicker("share-folder-picker");

  Click(Control(main, "folderPermissionButton"));
  CancelFolderPicker("permission-folder-picker");

  Click(Control(main, "sharingSettingsButton"));
  ShootAndEscape("设置", "settings-window");

  Click(Control(main, "printersButton"));
  EXPECT_TRUE(program().Running());
  ExpectOnlyMainWindow(main);
}

TEST_F(MainWindowPass, EveryMenuItemRunsItsCommand) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  RemoteListView list(Control(main, "computerList"));
  ASSERT_TRUE(WaitUntil([&] { return list.Count() >= 1; }));

  ChooseMenuItem(main, "viewByIpItem");
  EXPECT_TRUE(WaitUntil([&] { return list.FindItem("127.0.0.1") >= 0; }));
  EXPECT_TRUE(TakeScreenshot("address-view"));
  ChooseMenuItem(main, "viewByNameItem");
  EXPECT_TRUE(WaitUntil([&] { return list.FindItem("localhost") >= 0; }));

  ChooseMenuItem(main, "remoteDesktopItem", list.FindItem("localhost"));
  CancelInputBox("输入本计算机的密码");

  ChooseMenuItem(main, "localSharesItem");
  ShootAndEscape("本机共享资源列表", "local-shares-window");

  ChooseMenuItem(main, "pingSweepItem");
  ShootAndEscape("ping获取计算机", "ping-sweep-window");

  ChooseMenuItem(main, "shareFolderItem");
  CancelFolderPicker("folder-picker");

  ChooseMenuItem(main, "renameComputerItem");
  Acknowledge(
      "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行");
  CancelInputBox("更改计算机名");
  EXPECT_EQ(ComputerName(), "localhost");

  ChooseMenuItem(main, "companyNameItem");
  CancelInputBox("公司名称");
  EXPECT_FALSE(RegValuePresent(Hive::CurrentUser, kCompanyName));

  ChooseMenuItem(main, "sharingSettingsItem");
  ShootAndEscape("设置", "settings-window");

  ChooseMenuItem(main, "helpItem");
  EXPECT_TRUE(WaitUntil([] { return !StandinCalls(ToolsDir(), "browser").empty(); }));

  ChooseMenuItem(main, "aboutItem");
  ShootAndEscape("设置", "about-window");
  ExpectOnlyMainWindow(main);

  // Last, as its batch leaves a console window waiting for a key.
  ChooseMenuItem(main, "pingComputerItem", list.FindItem("localhost"));
  EXPECT_TRUE(WaitUntil([] { return !StandinCalls(ProgramDir(), "ping").empty(); }));
  EXPECT_TRUE(TakeScreenshot("ping-console"));
  EXPECT_TRUE(program().Running());
}

}  // namespace
}  // namespace volmere::e2e
