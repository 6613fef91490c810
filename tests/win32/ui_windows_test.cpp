// The window layer on the real API: workers' control operations carried out
// on the user-interface thread through their gates, list entries found by
// identity, closed windows, queued closes and Esc.
// mingw's inline NtCurrentTeb reads the TEB through a zero-length array,
// which -Warray-bounds flags at -O2; the code is the system header's own.
#pragma GCC diagnostic ignored "-Warray-bounds"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "platform/win32/win32_headers.h"
#include "platform/win32/win32_system.h"

namespace volmere {
namespace {

const WindowLayout kProbeLayout = {
    "ProbeWindow",
    "窗口探测",
    320,
    220,
    0,
    {
        {"entries", ControlKind::IconList, "", 0, 0, 200, 150},
        {"field", ControlKind::Edit, "起始", 210, 10, 90, 20},
        {"closeButton", ControlKind::Button, "关闭", 210, 40, 90, 24},
    },
    {},
};

// Workers keep using the services for a moment after they signal, so one
// instance lives for the whole run; this thread is its user-interface thread.
Win32System& System() {
  static Win32System* system = new Win32System;
  return *system;
}

// Runs the user-interface thread's messages until the condition holds.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

HWND ControlNamed(HWND window, const char* name) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char recorded[64] = "";
    auto atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(child, "VolmereControlName")));
    if (atom && GlobalGetAtomNameA(atom, recorded, sizeof recorded) &&
        lstrcmpA(recorded, name) == 0)
      return child;
  }
  return nullptr;
}

struct ProbeEvents : WindowEvents {
  std::function<void(const Text&)> onCommand;
  std::function<bool()> onCloseRequest;
  std::function<void(WindowId)> onCreated;
  int closed = 0;
  void OnCreated(WindowId self) override {
    if (onCreated) onCreated(self);
  }
  void OnCommand(const Text& control) override {
    if (onCommand) onCommand(control);
  }
  bool OnCloseRequest() override { return onCloseRequest ? onCloseRequest() : true; }
  void OnClosed() override { ++closed; }
};

class UiContract : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = sys().LoadWindow(kProbeLayout, events_, false);
    ASSERT_NE(window_, 0u);
  }
  void TearDown() override {
    if (sys().IsWindowOpen(window_)) {
      sys().CloseWindow(window_);
      PumpUntil([&] { return !sys().IsWindowOpen(window_); });
    }
  }
  static Win32System& sys() { return System(); }
  HWND Hwnd() { return FindWindowA(nullptr, "窗口探测"); }

  ProbeEvents events_;
  WindowId window_ = 0;
};

TEST_F(UiContract, WorkerCallWaitsForTheUserInterfaceThreadAndIsCarriedOut) {
  std::atomic<bool> done{false};
  std::atomic<int> position{-2};
  ASSERT_TRUE(sys().StartWorker(
      [&](int) {
        sys().SetText(window_, "field", "工作线程");
        position = sys().ListAdd(window_, "entries", "PC1", PendingImage).position;
        done = true;
      },
      0));
  // The user-interface thread is busy: the worker's call has to wait.
  Sleep(300);
  EXPECT_FALSE(done.load());
  ASSERT_TRUE(PumpUntil([&] { return done.load(); }));
  EXPECT_EQ(sys().GetText(window_, "field"), "工作线程");
  EXPECT_EQ(position.load(), 0);
  EXPECT_EQ(sys().ListEntryAt(window_, "entries", 0).text, "PC1");
}

TEST_F(UiContract, StoppedWorkerChangesNoControl) {
  HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> done{false};
  std::atomic<int> added{-2};
  WorkerHandleVar handle{0};
  ASSERT_TRUE(sys().StartWorker(
      [&](int) {
        WaitForSingleObject(go, 10000);
        sys().SetText(window_, "field", "迟到");
        added = static_cast<int>(sys().ListAdd(window_, "entries", "PC9", OnlineImage).id);
        done = true;
      },
      0, &handle));
  sys().StopWorker(handle.load());
  SetEvent(go);
  ASSERT_TRUE(PumpUntil([&] { return done.load(); }));
  CloseHandle(go);
  EXPECT_EQ(sys().GetText(window_, "field"), "起始");
  EXPECT_EQ(added.load(), 0);
  EXPECT_EQ(sys().ListCount(window_, "entries"), 0);
}

TEST_F(UiContract, EntriesAreFoundByIdentityWhereverTheyStand) {
  const ListEntry first = sys().ListAdd(window_, "entries", "甲", PendingImage);
  const ListEntry second = sys().ListInsert(window_, "entries", 0, "乙", PendingImage);
  ASSERT_NE(first.id, 0u);
  EXPECT_EQ(second.position, 0);
  EXPECT_NE(first.id, second.id);
  const ListEntry appended = sys().ListInsert(window_, "entries", 99, "丙", PendingImage);
  EXPECT_EQ(appended.position, 2);

  EXPECT_TRUE(sys().ListSetImage(window_, "entries", first.id, OnlineImage));
  EXPECT_TRUE(sys().ListSetText(window_, "entries", first.id, "甲2"));
  const ListEntry moved = sys().ListEntryAt(window_, "entries", 1);
  EXPECT_EQ(moved.id, first.id);
  EXPECT_EQ(moved.text, "甲2");
  EXPECT_EQ(moved.image, OnlineImage);
  EXPECT_EQ(sys().ListEntryAt(window_, "entries", 0).image, PendingImage);

  sys().ListSelect(window_, "entries", 1);
  EXPECT_EQ(sys().ListSelected(window_, "entries").id, first.id);

  EXPECT_TRUE(sys().ListRemove(window_, "entries", first.id));
  EXPECT_FALSE(sys().ListSetImage(window_, "entries", first.id, PendingImage));
  EXPECT_FALSE(sys().ListSetText(window_, "entries", first.id, "x"));
  EXPECT_FALSE(sys().ListRemove(window_, "entries", first.id));
  EXPECT_EQ(sys().ListCount(window_, "entries"), 2);
  EXPECT_EQ(sys().ListSelected(window_, "entries").id, 0u);
}

TEST_F(UiContract, ClosedWindowDoesNothingAndReadsEmpty) {
  const ListEntry entry = sys().ListAdd(window_, "entries", "PC1", OnlineImage);
  sys().CloseWindow(window_);
  ASSERT_TRUE(PumpUntil([&] { return !sys().IsWindowOpen(window_); }));
  EXPECT_EQ(events_.closed, 1);
  EXPECT_EQ(Hwnd(), nullptr);
  sys().SetText(window_, "field", "x");
  EXPECT_EQ(sys().GetText(window_, "field"), "");
  EXPECT_EQ(sys().GetText(window_, ""), "");
  EXPECT_EQ(sys().ListAdd(window_, "entries", "PC2", OnlineImage).id, 0u);
  EXPECT_EQ(sys().ListCount(window_, "entries"), 0);
  EXPECT_FALSE(sys().ListSetImage(window_, "entries", entry.id, PendingImage));
  EXPECT_FALSE(sys().IsEnabled(window_, "closeButton"));
}

TEST_F(UiContract, CloseAskedInAHandlerWaitsForTheHandlerToReturn) {
  bool openInsideHandler = false;
  events_.onCommand = [&](const Text& control) {
    if (control != "closeButton") return;
    sys().CloseWindow(window_);
    openInsideHandler = sys().IsWindowOpen(window_);
  };
  HWND button = ControlNamed(Hwnd(), "closeButton");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetDlgCtrlID(button), 1002);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(openInsideHandler);
  EXPECT_FALSE(sys().IsWindowOpen(window_));
  EXPECT_EQ(events_.closed, 1);
}

TEST(UiModal, EscAsksTheClosingRuleAndTheModalLoadReturnsOnceClosed) {
  ProbeEvents events;
  int asked = 0;
  events.onCreated = [&](WindowId) {
    HWND field = ControlNamed(FindWindowA(nullptr, "窗口探测"), "field");
    for (int press = 0; press < 2; ++press) PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 1);
  };
  // The first Esc is refused, the second allowed.
  events.onCloseRequest = [&] { return ++asked == 2; };
  const WindowId window = System().LoadWindow(kProbeLayout, events, true);
  EXPECT_NE(window, 0u);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(events.closed, 1);
  EXPECT_FALSE(System().IsWindowOpen(window));
}

const WindowLayout kPagedLayout = {
    "PagedProbeWindow",
    "分页探测",
    360,
    240,
    0,
    {
        {"tabs", ControlKind::TabControl, "一|二", 10, 5, 330, 190},
        {"firstRadio", ControlKind::RadioButton, "甲", 10, 40, 80, 16, kGroupStart, "tabs#0"},
        {"secondRadio", ControlKind::RadioButton, "乙", 10, 60, 80, 16, kChecked, "tabs#0"},
        {"group", ControlKind::GroupBox, "组", 20, 30, 200, 100, 0, "tabs#1"},
        {"inGroupEdit", ControlKind::Edit, "", 8, 16, 90, 20, 0, "group"},
    },
    {},
};

RECT RectInClient(HWND control, HWND window) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(UiLayout, PagesAndGroupsPlaceTheirControlsAndRadiosFormAGroup) {
  ProbeEvents events;
  const WindowId window = System().LoadWindow(kPagedLayout, events, false);
  ASSERT_NE(window, 0u);
  HWND hwnd = FindWindowA(nullptr, "分页探测");
  HWND inGroup = ControlNamed(hwnd, "inGroupEdit");
  HWND first = ControlNamed(hwnd, "firstRadio");
  ASSERT_NE(inGroup, nullptr);
  ASSERT_NE(first, nullptr);
  // Relative to the group box, which stands relative to the tab control.
  const RECT r = RectInClient(inGroup, hwnd);
  EXPECT_EQ(r.left, 10 + 20 + 8);
  EXPECT_EQ(r.top, 5 + 30 + 16);
  EXPECT_EQ(r.right - r.left, 90);
  EXPECT_FALSE(IsWindowVisible(inGroup));
  EXPECT_TRUE(IsWindowVisible(first));

  System().SelectTab(window, "tabs", 1);
  EXPECT_TRUE(IsWindowVisible(inGroup));
  EXPECT_TRUE(IsWindowVisible(ControlNamed(hwnd, "group")));
  EXPECT_FALSE(IsWindowVisible(first));

  EXPECT_TRUE(System().IsChecked(window, "secondRadio"));
  System().SetChecked(window, "firstRadio", true);
  EXPECT_TRUE(System().IsChecked(window, "firstRadio"));
  EXPECT_FALSE(System().IsChecked(window, "secondRadio"));

  System().CloseWindow(window);
  EXPECT_TRUE(PumpUntil([&] { return !System().IsWindowOpen(window); }));
}

}  // namespace
}  // namespace volmere
