// SettingsWindow on a Wine prefix: the fields it loads from the registry,
// the company name and caption that "确定" sets, and the workgroup batch it
// hands to wmic.
#include "tests/e2e/settings_fixture.h"

namespace volmere::e2e {
namespace {

using SettingsWindow = SettingsScenario;

constexpr const char* kDenyRemoteDesktop =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\fDenyTSConnections";
constexpr const char* kAnonymous001 = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
constexpr const char* kForceGuest = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\forceguest";
constexpr const char* kOpenMode = "SOFTWARE\\Volmere\\sj";

TEST_F(SettingsWindow, RadiosFollowTheRegistry) {
  WriteRegNumber(Hive::LocalMachine, kDenyRemoteDesktop, 1);
  WriteRegNumber(Hive::LocalMachine, kAnonymous001, 0);
  WriteRegNumber(Hive::LocalMachine, kForceGuest, 1);
  WriteRegNumber(Hive::CurrentUser, kOpenMode, 2);
  WriteRegText(Hive::CurrentUser, kCompanyName, "ABC");
  HWND main = StartAnsweredAndWaitForCaption("ABC");
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettingsFromButton(main);
  ASSERT_NE(settings, nullptr);
  WaitForFields(settings);
  const SIZE outer = OuterSize(settings);
  EXPECT_EQ(outer.cx, kSettingsWindowLayout.outerWidth);
  EXPECT_EQ(outer.cy, kSettingsWindowLayout.outerHeight);

  EXPECT_TRUE(IsChecked(SettingsControl(settings, "sharingOpenRadio")));
  EXPECT_FALSE(IsChecked(SettingsControl(settings, "sharingWithPasswordRadio")));
  EXPECT_FALSE(IsChecked(SettingsControl(settings, "sharingOffRadio")));
  EXPECT_TRUE(TakeScreenshot("sharing-page"));

  ShowPage(settings, 1);
  EXPECT_TRUE(IsChecked(SettingsControl(settings, "remoteDesktopOffRadio")));
  EXPECT_FALSE(IsChecked(SettingsControl(settings, "remoteDesktopOnRadio")));
  EXPECT_TRUE(IsChecked(SettingsControl(settings, "doubleClickCheck")));
  EXPECT_EQ(ControlText(SettingsControl(settings, "companyNameEdit")), "ABC");
  EXPECT_EQ(ControlText(SettingsControl(settings, "computerNameEdit")), ComputerName());
  EXPECT_EQ(ControlText(SettingsControl(settings, "workgroupEdit")), "WORKGROUP");
  EXPECT_TRUE(TakeScreenshot("other-page"));

  ShowPage(settings, 2);
  EXPECT_TRUE(TakeScreenshot("about-page"));

  // Cancelling changes nothing.
  ShowPage(settings, 1);
  Click(SettingsControl(settings, "settingsCancelButton"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(ReadRegText(Hive::CurrentUser, kCompanyName).value_or(""), "ABC");
}

TEST_F(SettingsWindow, OkStoresTheCompanyAndSetsTheCaption) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettingsFromButton(main);
  ASSERT_NE(settings, nullptr);
  WaitForFields(settings);
  ShowPage(settings, 1);
  HWND company = SettingsControl(settings, "companyNameEdit");
  EXPECT_EQ(ControlText(company), "XX公司");
  SetControlText(company, "ABC");
  EXPECT_TRUE(TakeScreenshot("typed"));
  Click(SettingsControl(settings, "settingsOkButton"));

  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(ReadRegText(Hive::CurrentUser, kCompanyName).value_or("(missing)"), "ABC");
  const std::string caption = "ABCVolmere6.3---我的计算机名：" + ComputerName();
  EXPECT_EQ(WaitForCaption(main, caption), caption);
  EXPECT_TRUE(MessageBoxes(program().Id()).empty());
  EXPECT_TRUE(StandinCalls(ProgramDir(), "wmic").empty());
  EXPECT_TRUE(TakeScreenshot("caption"));
}

TEST_F(SettingsWindow, NewWorkgroupRunsItsBatchAndStartsAgain) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettingsFromButton(main);
  ASSERT_NE(settings, nullptr);
  WaitForFields(settings);
  ShowPage(settings, 1);
  SetControlText(SettingsControl(settings, "workgroupEdit"), "OFFICE");
  Click(SettingsControl(settings, "settingsOkButton"));

  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(ReadFileBytes(TempFolder() + "工作组.bat"),
            "wmic computersystem where Name=\"%COMPUTERNAME%\" call JoinDomainOrWorkgroup "
            "Name=\"OFFICE\"");
  EXPECT_TRUE(WaitUntil([] { return !StandinCalls(ProgramDir(), "wmic").empty(); }));
  const std::vector<std::string> calls = StandinCalls(ProgramDir(), "wmic");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(TextMatches(calls[0], "call JoinDomainOrWorkgroup Name=\"OFFICE\"", Match::Contains))
      << calls[0];
  EXPECT_FALSE(TextMatches(calls[0], "%COMPUTERNAME%", Match::Contains)) << calls[0];
  // The start-up runs again and builds its caption from the stored company
  // and the workgroup the net stand-in reports.
  EXPECT_EQ(WaitForCaption(main, CompletedCaption("XX公司")), CompletedCaption("XX公司"));
  EXPECT_TRUE(TakeScreenshot("started-again"));
}

TEST_F(SettingsWindow, WorkgroupWithAPercentSignIsRefused) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettingsFromButton(main);
  ASSERT_NE(settings, nullptr);
  WaitForFields(settings);
  ShowPage(settings, 1);
  SetControlText(SettingsControl(settings, "workgroupEdit"), "A%PATH%");
  Click(SettingsControl(settings, "settingsOkButton"));
  HWND box = WaitForMessageBox(program().Id(),
                               "工作组名无效：最多15个字节，不能含 \\ / : * ? \" < > | % 等符号。");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(TakeScreenshot("refused"));
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_FALSE(FileExists(TempFolder() + "工作组.bat"));
  EXPECT_TRUE(StandinCalls(ProgramDir(), "wmic").empty());
}

TEST_F(SettingsWindow, AboutFromTheMenuLeavesMainWindowFree) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  ChooseMenuItem(main, "aboutItem");
  HWND about = WaitForSettings();
  ASSERT_NE(about, nullptr);
  HWND tabs = SettingsControl(about, "settingsTabs");
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 2; }));
  EXPECT_TRUE(IsControlVisible(SettingsControl(about, "aboutLabel")));
  EXPECT_FALSE(IsControlVisible(SettingsControl(about, "settingsOkButton")));
  EXPECT_TRUE(TakeScreenshot("about"));

  // MainWindow still takes input while the window is open.
  EXPECT_TRUE(IsWindowEnabled(main));
  Click(Control(main, "autoCloseCheck"));
  EXPECT_TRUE(WaitUntil([] { return ReadRegText(Hive::CurrentUser, kAutoCloseSwitch) == "1"; }));

  PressCloseBox(about);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_TRUE(program().Running());
}

TEST_F(SettingsWindow, RenameFromTheMenuWritesTheThreeValues) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  ChooseMenuItem(main, "renameComputerItem");
  // The prefix reports Windows 7.
  Acknowledge(
      "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行");
  AnswerInputBox("更改计算机名", "NEWPC");
  Acknowledge("修改成功！下次重启后生效！");
  const std::string parameters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\";
  EXPECT_EQ(ReadRegText(Hive::LocalMachine, kComputerNameValue).value_or(""), "NEWPC");
  EXPECT_EQ(ReadRegText(Hive::LocalMachine, parameters + "NV Hostname").value_or(""), "NEWPC");
  EXPECT_EQ(ReadRegText(Hive::LocalMachine, parameters + "Hostname").value_or(""), "NEWPC");
  // The caption keeps the name Windows still runs under.
  EXPECT_EQ(WindowCaption(main), "xx公司局域网Volmere---计算机名：localhost  工作组：WORKGROUP");
}

}  // namespace
}  // namespace volmere::e2e
