// The driver against the sample window: what the program's scenarios rely
// on (finding windows and controls, answering message boxes, reading a list
// view of another process, the stand-ins' records, screenshots) works here.
#include <gtest/gtest.h>

#include "resources/main_window_layout.h"
#include "tests/e2e/driver/e2e_driver.h"

namespace volmere::e2e {
namespace {

const char* const kRecord = "Software\\VolmereE2E\\";

std::string Recorded(const std::string& value) {
  return ReadRegText(Hive::CurrentUser, kRecord + value).value_or("");
}

class SampleWindow : public Scenario {
 protected:
  // Starts the sample, answers its question and returns its window.
  HWND StartAndAnswer(int button) {
    StartProgram();
    HWND box = WaitForMessageBox(program().Id(), "要继续吗？");
    EXPECT_NE(box, nullptr);
    if (!box) return nullptr;
    EXPECT_EQ(MessageBoxTitle(box), "信息：");
    EXPECT_TRUE(HasButton(box, IDYES));
    EXPECT_TRUE(HasButton(box, IDNO));
    EXPECT_FALSE(HasButton(box, IDOK));
    EXPECT_TRUE(TakeScreenshot("question"));
    EXPECT_TRUE(PressButton(box, button));
    EXPECT_TRUE(WaitUntil([&] { return !Recorded("answer").empty(); }));
    return WaitForTopLevel(program().Id(), "Sample", Match::Prefix);
  }
};

TEST_F(SampleWindow, AnswersTheQuestionAndFindsTheLayout) {
  HWND window = StartAndAnswer(IDNO);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Recorded("answer"), "no");
  EXPECT_TRUE(StandinCalls(ToolsDir(), "browser").empty());
  EXPECT_EQ(WindowCaption(window), "Sample window");
  EXPECT_EQ(FindTopLevel(program().Id(), "window", Match::Suffix), window);
  EXPECT_EQ(FindTopLevel(program().Id(), "Sample"), nullptr);
  const SIZE outer = OuterSize(window);
  EXPECT_EQ(outer.cx, kMainWindowLayout.outerWidth);
  EXPECT_EQ(outer.cy, kMainWindowLayout.outerHeight);
  for (const ControlLayout& control : kMainWindowLayout.controls) {
    SCOPED_TRACE(control.name);
    HWND found = FindControl(window, kMainWindowLayout, control.name);
    ASSERT_NE(found, nullptr);
    const RECT r = RectInClient(found, window);
    EXPECT_EQ(r.left, control.x);
    EXPECT_EQ(r.top, control.y);
    EXPECT_EQ(r.right - r.left, control.width);
    EXPECT_EQ(r.bottom - r.top, control.height);
    if (control.kind == ControlKind::Button) {
      EXPECT_EQ(ControlText(found), control.text);
    }
  }
  EXPECT_EQ(FindControl(window, kMainWindowLayout, "noSuchControl"), nullptr);
  EXPECT_TRUE(TakeScreenshot("layout"));
}

TEST_F(SampleWindow, ReadsAndClicksTheListOfAnotherProcess) {
  HWND window = StartAndAnswer(IDYES);
  ASSERT_NE(window, nullptr);
  RemoteListView list(FindControl(window, kMainWindowLayout, "computerList"));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.ItemText(0), "PC1");
  EXPECT_EQ(list.ItemText(1), "本机");
  EXPECT_EQ(list.ItemImage(0), 0);
  EXPECT_EQ(list.ItemImage(1), 1);
  EXPECT_EQ(list.FindItem("PC3"), 2);
  EXPECT_EQ(list.FindItem("PC9"), -1);
  EXPECT_TRUE(list.Select(2));
  EXPECT_EQ(list.SelectedItem(), 2);

  list.Click(1);
  EXPECT_TRUE(WaitUntil([&] { return Recorded("click") == "本机"; })) << Recorded("click");
  list.DoubleClick(0);
  EXPECT_TRUE(WaitUntil([&] { return Recorded("doubleclick") == "PC1"; }))
      << Recorded("doubleclick");
  list.RightClick(2);
  EXPECT_TRUE(WaitUntil([&] { return Recorded("rightclick") == "PC3"; })) << Recorded("rightclick");
  list.ClickAt(POINT{520, 290});
  EXPECT_TRUE(WaitUntil([&] { return Recorded("click") == "(none)"; })) << Recorded("click");
}

TEST_F(SampleWindow, ClicksControlsRecordsToolsAndEndsOnEsc) {
  HWND window = StartAndAnswer(IDYES);
  ASSERT_NE(window, nullptr);
  HWND check = FindControl(window, kMainWindowLayout, "autoCloseCheck");
  ASSERT_NE(check, nullptr);
  EXPECT_FALSE(IsChecked(check));
  Click(check);
  EXPECT_TRUE(WaitUntil([&] { return Recorded("check") == "1"; }));
  EXPECT_TRUE(IsChecked(check));
  Click(check);
  EXPECT_TRUE(WaitUntil([&] { return Recorded("check") == "0"; }));

  HWND button = FindControl(window, kMainWindowLayout, "refreshButton");
  EXPECT_TRUE(SetControlText(button, "刷新列表"));
  EXPECT_EQ(ControlText(button), "刷新列表");
  EXPECT_TRUE(IsControlEnabled(button));

  EXPECT_EQ(StandinCalls(ProgramDir(), "net"),
            std::vector<std::string>{"net share sample=C:\\ /unlimited"});
  EXPECT_TRUE(StandinCalls(ProgramDir(), "cacls").empty());
  // The shell starts the browser on its own time: wait for its record.
  EXPECT_TRUE(WaitUntil([&] { return !StandinCalls(ToolsDir(), "browser").empty(); }));
  const std::vector<std::string> browser = StandinCalls(ToolsDir(), "browser");
  ASSERT_EQ(browser.size(), 1u);
  EXPECT_TRUE(TextMatches(browser[0], "sample.html\"", Match::Suffix)) << browser[0];
  EXPECT_TRUE(TakeScreenshot("controls"));

  PressEscape(window);
  EXPECT_TRUE(program().WaitForExit(10000));
  EXPECT_EQ(program().ExitCode(), 0);
}

}  // namespace
}  // namespace volmere::e2e
