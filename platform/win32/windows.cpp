// Opening and closing the program's windows, the modal message loop, and the
// keys every window answers the same way.
#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

bool IsDroppedDownCombo(HWND focus) {
  char className[32] = "";
  if (!focus) return false;
  HWND combo = GetParent(focus);
  for (HWND candidate : {focus, combo}) {
    if (candidate && GetClassNameA(candidate, className, sizeof className) &&
        lstrcmpiA(className, "ComboBox") == 0)
      return SendMessageA(candidate, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

}  // namespace

WindowId Win32System::UiState::Open(const WindowLayout& layout, WindowEvents& events, bool modal) {
  auto made = std::make_unique<WindowRecord>();
  WindowRecord& record = *made;
  record.ui = this;
  record.id = nextWindow++;
  record.layout = &layout;
  record.events = &events;
  record.modal = modal;
  for (const MenuLayout& menu : layout.menus)
    for (const MenuItemLayout& item : menu.items) record.menuItemVisible[item.name] = item.visible;
  HWND owner = ActiveProgramWindow();
  std::vector<HWND> others = EnabledTopLevelWindows();
  windows[record.id] = std::move(made);
  if (!CreateProgramWindow(*this, record, owner ? owner : hiddenOwner)) {
    windows.erase(record.id);
    return 0;
  }
  const WindowId id = record.id;
  if (modal) {
    for (HWND other : others) EnableWindow(other, FALSE);
    record.disabledWhileModal = others;
  }
  ::ShowWindow(record.hwnd, SW_SHOWNORMAL);
  UpdateWindow(record.hwnd);
  SetForegroundWindow(record.hwnd);
  Dispatch(id, [id](WindowEvents& e) { e.OnCreated(id); });
  if (WindowRecord* opened = Find(id)) {
    HWND first = GetNextDlgTabItem(opened->hwnd, nullptr, FALSE);
    if (first && GetActiveWindow() == opened->hwnd) SetFocus(first);
  }
  if (modal) MessageLoopUntilClosed(id);
  return id;
}

void Win32System::UiState::MessageLoopUntilClosed(WindowId id) {
  MSG message;
  while (Find(id)) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Whoever asked the program to quit asks every loop out there too.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Esc asks the window to close, as its close box does; Tab and the arrow keys
// move between controls as in a dialog.
bool Win32System::UiState::PreTranslate(MSG& message) {
  if (!message.hwnd) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  WindowRecord* record = root ? RecordOf(root) : nullptr;
  if (!record) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
      !IsDroppedDownCombo(GetFocus())) {
    if (IsWindowEnabled(root)) RequestClose(record->id);
    return true;
  }
  return IsDialogMessageA(root, &message) != FALSE;
}

void Win32System::UiState::ShowPage(WindowRecord& record, int tab, int page) {
  for (ControlRecord& control : record.controls) {
    if (control.tab != tab) continue;
    const bool visible = control.page == page && !control.hidden;
    ::ShowWindow(control.hwnd, visible ? SW_SHOWNA : SW_HIDE);
  }
}

WindowId Win32System::LoadWindow(const WindowLayout& layout, WindowEvents& events, bool modal) {
  WindowId id = 0;
  ui_->Run([&] { id = ui_->Open(layout, events, modal); }, true);
  return id;
}

void Win32System::CloseWindow(WindowId window) {
  const bool fromHandler = ui_->OnUiThread();
  ui_->Run([&] { ui_->QueueClose(window, fromHandler); });
}

void Win32System::ShowWindow(WindowId window, bool visible) {
  ui_->Run([&] {
    if (WindowRecord* record = ui_->Find(window))
      ::ShowWindow(record->hwnd, visible ? SW_SHOW : SW_HIDE);
  });
}

bool Win32System::IsWindowOpen(WindowId window) {
  bool open = false;
  ui_->Run([&] { open = ui_->Find(window) != nullptr; });
  return open;
}

}  // namespace volmere
