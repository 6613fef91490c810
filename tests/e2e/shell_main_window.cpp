// MainWindow as the user meets it: where its controls stand, the auto-close
// check box and its stored switch, and the Esc key.
#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

using MainWindow = ShellScenario;

TEST_F(MainWindow, StandsAtItsLayout) {
  HWND window = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(window, nullptr);
  const SIZE outer = OuterSize(window);
  EXPECT_EQ(outer.cx, kMainWindowLayout.outerWidth);
  EXPECT_EQ(outer.cy, kMainWindowLayout.outerHeight);
  for (const ControlLayout& control : kMainWindowLayout.controls) {
    SCOPED_TRACE(control.name);
    HWND found = Control(window, control.name);
    if (!found) continue;
    EXPECT_EQ(WindowClass(found), ClassOfKind(control.kind));
    const RECT r = RectInClient(found, window);
    EXPECT_EQ(r.left, control.x);
    EXPECT_EQ(r.top, control.y);
    EXPECT_EQ(r.right - r.left, control.width);
    EXPECT_EQ(r.bottom - r.top, control.height);
  }
  EXPECT_TRUE(TakeScreenshot("layout"));
}

// The switch is stored inverted: "1" when the box is now unchecked.
TEST_F(MainWindow, AutoCloseCheckStoresItsSwitch) {
  HWND window = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(window, nullptr);
  HWND check = Control(window, "autoCloseCheck");
  ASSERT_NE(check, nullptr);
  EXPECT_TRUE(IsChecked(check));
  EXPECT_FALSE(RegValuePresent(Hive::CurrentUser, kAutoCloseSwitch));

  Click(check);
  EXPECT_TRUE(WaitUntil([] { return ReadRegText(Hive::CurrentUser, kAutoCloseSwitch) == "1"; }));
  EXPECT_FALSE(IsChecked(check));
  EXPECT_TRUE(TakeScreenshot("unchecked"));

  Click(check);
  EXPECT_TRUE(WaitUntil([] { return ReadRegText(Hive::CurrentUser, kAutoCloseSwitch) == "0"; }));
  EXPECT_TRUE(IsChecked(check));
}

TEST_F(MainWindow, EscEndsTheProgram) {
  HWND window = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(TakeScreenshot("before-esc"));
  PressEscape(window);
  EXPECT_TRUE(program().WaitForExit(10000)) << "still running after Esc";
}

}  // namespace
}  // namespace volmere::e2e
