// The ping sweep window under Wine, sweeping the loopback range only: the
// octet boxes are set to 127, 0 and 0 before any sweep is started.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "resources/ping_sweep_window_layout.h"
#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

constexpr DWORD kPollMs = 20;

class PingSweep : public ShellScenario {
 protected:
  void SetUp() override {
    ShellScenario::SetUp();
    WriteRegText(Hive::LocalMachine, kComputerNameValue, "localhost");
  }

  HWND SweepControl(HWND window, const char* name) {
    HWND control = FindControl(window, kPingSweepWindowLayout, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // Right-clicks the entry and goes down the menu's shown items to the sweep
  // item with the arrow keys, as a user would.
  void ChooseSweepItem(const RemoteListView& computers, int entry) {
    int steps = 0;
    for (const MenuItemLayout& shown : kMainWindowLayout.menus.at(0).items) {
      if (!shown.visible) continue;
      ++steps;
      if (std::string(shown.name) == "pingSweepItem") break;
    }
    computers.RightClick(entry);
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
  }

  // Opens the window from MainWindow's context menu, waits for its
  // local-address filler, and aims it at the loopback range. Null unless
  // every box holds what was set: no sweep may start on another range.
  HWND OpenOnLoopback(HWND main, const std::string& timeout) {
    // This computer's entry comes first; once it is in, the only listing
    // left is the one the sweep stops.
    RemoteListView computers(Control(main, "computerList"));
    int entry = -1;
    if (!WaitUntil([&] { return (entry = computers.FindItem("localhost")) >= 0; })) {
      ADD_FAILURE() << "no entry for this computer";
      return nullptr;
    }
    ChooseSweepItem(computers, entry);
    HWND window = WaitForTopLevel(program().Id(), kPingSweepWindowLayout.caption);
    if (!window) {
      ADD_FAILURE() << "no sweep window";
      return nullptr;
    }
    HWND octet1 = SweepControl(window, "octet1Edit");
    HWND rows = SweepControl(window, "sweepList");
    if (!octet1 || !rows) return nullptr;
    // The filler puts the first local address into the boxes; it must be
    // done before the boxes are set, or it would overwrite them.
    WaitUntil([&] { return RemoteListView(rows).Count() == 2; }, 5000);
    const char* const boxes[][2] = {{"octet1Edit", "127"},
                                    {"octet2Edit", "0"},
                                    {"octet3Edit", "0"},
                                    {"timeoutEdit", timeout.c_str()}};
    for (const auto& box : boxes) {
      HWND control = SweepControl(window, box[0]);
      if (!control || !SetControlText(control, box[1]) || ControlText(control) != box[1]) {
        ADD_FAILURE() << box[0] << " does not hold " << box[1];
        return nullptr;
      }
    }
    return window;
  }

  // Polls finer than WaitUntil, for timing and to catch a sweep midway.
  static bool PollUntil(const std::function<bool()>& done, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
      Sleep(kPollMs);
    }
    return true;
  }
};

TEST_F(PingSweep, LoopbackSweepFillsBothListsAndThenCloses) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  HWND window = OpenOnLoopback(main, "100");
  ASSERT_NE(window, nullptr);
  const SIZE outer = OuterSize(window);
  EXPECT_EQ(outer.cx, kPingSweepWindowLayout.outerWidth);
  EXPECT_EQ(outer.cy, kPingSweepWindowLayout.outerHeight);
  RemoteListView rows(SweepControl(window, "sweepList"));
  RemoteListView computers(Control(main, "computerList"));

  const LARGE_INTEGER start = [] {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
  }();
  Click(SweepControl(window, "sweepButton"));
  ASSERT_TRUE(PollUntil([&] { return rows.Count() == 255 && computers.Count() == 255; }, 30000))
      << rows.Count() << " rows, " << computers.Count() << " computers";
  LARGE_INTEGER end, frequency;
  QueryPerformanceCounter(&end);
  QueryPerformanceFrequency(&frequency);
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  std::printf("loopback sweep wall time: %.1f ms\n", ms);
  RecordProperty("sweep_ms", static_cast<int>(ms));

  // Read once: every read of another process's list crosses into it.
  std::map<std::string, int> images;
  for (int item = 0; item < computers.Count(); ++item)
    images[computers.ItemText(item)] = computers.ItemImage(item);
  std::map<std::string, int> expected;
  for (int host = 1; host <= 255; ++host) expected["127.0.0." + std::to_string(host)] = 0;
  EXPECT_EQ(images, expected);
  EXPECT_TRUE(TakeScreenshot("swept"));

  PressCloseBox(window);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(MessageBoxes(program().Id()).empty());
}

// Disabled: the host workers' list calls reach the user-interface thread one
// at a time (about 13 ms each under Wine), so by the time a close request is
// handled every worker has usually queued its rows and the list stands at
// 255, where closing is allowed. The closing rule itself is covered natively;
// this comes back once the sweep's rows reach the window faster.
TEST_F(PingSweep, DISABLED_ClosingDuringASweepAsksToWait) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  HWND window = OpenOnLoopback(main, "100");
  ASSERT_NE(window, nullptr);
  RemoteListView rows(SweepControl(window, "sweepList"));

  Click(SweepControl(window, "sweepButton"));
  // Mid-sweep: past the two rows a fresh window may close at, short of 255.
  ASSERT_TRUE(PollUntil(
      [&] {
        const int count = rows.Count();
        return count > 2 && count < 200;
      },
      10000));
  SendCloseRequest(window);
  HWND box = WaitForMessageBox(program().Id(), "请等待线程结束！");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxTitle(box), "信息：");
  EXPECT_TRUE(TakeScreenshot("wait"));
  EXPECT_TRUE(PressButton(box, IDOK));
  EXPECT_TRUE(IsWindow(window));

  ASSERT_TRUE(WaitUntil([&] { return rows.Count() == 255; }, 30000));
  PressCloseBox(window);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
}

}  // namespace
}  // namespace volmere::e2e
