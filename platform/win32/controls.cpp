// Texts, check marks, enabled states, tab pages and drop-down lists, by
// control name. An empty name means the window's caption.
#include <vector>

#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return "";
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  return Text(text.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

HWND TextHolder(Win32System::UiState& ui, WindowId window, const Text& control) {
  WindowRecord* record = ui.Find(window);
  if (!record) return nullptr;
  if (control.empty()) return record->hwnd;
  ControlRecord* found = record->Control(control);
  return found ? found->hwnd : nullptr;
}

}  // namespace

Text Win32System::GetText(WindowId window, const Text& control) {
  Text text;
  ui_->Run([&] {
    if (HWND holder = TextHolder(*ui_, window, control)) text = WindowText(holder);
  });
  return text;
}

void Win32System::SetText(WindowId window, const Text& control, const Text& text) {
  ui_->Run([&] {
    if (HWND holder = TextHolder(*ui_, window, control)) SetWindowTextA(holder, text.c_str());
  });
}

bool Win32System::IsChecked(WindowId window, const Text& control) {
  bool checked = false;
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control))
      checked = SendMessageA(found->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  return checked;
}

void Win32System::SetChecked(WindowId window, const Text& control, bool checked) {
  ui_->Run([&] {
    WindowRecord* record = ui_->Find(window);
    ControlRecord* found = record ? record->Control(control) : nullptr;
    if (!found) return;
    if (checked && found->radioGroup >= 0) {
      for (ControlRecord& other : record->controls)
        if (&other != found && other.radioGroup == found->radioGroup)
          SendMessageA(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageA(found->hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  });
}

bool Win32System::IsEnabled(WindowId window, const Text& control) {
  bool enabled = false;
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control))
      enabled = IsWindowEnabled(found->hwnd) != FALSE;
  });
  return enabled;
}

void Win32System::SetEnabled(WindowId window, const Text& control, bool enabled) {
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control)) EnableWindow(found->hwnd, enabled);
  });
}

void Win32System::SelectAllText(WindowId window, const Text& control) {
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control))
      SendMessageA(found->hwnd, EM_SETSEL, 0, -1);
  });
}

void Win32System::SelectTab(WindowId window, const Text& control, int page) {
  ui_->Run([&] {
    WindowRecord* record = ui_->Find(window);
    ControlRecord* found = record ? record->Control(control) : nullptr;
    if (!found || found->layout->kind != ControlKind::TabControl) return;
    const int pages = static_cast<int>(SendMessageA(found->hwnd, TCM_GETITEMCOUNT, 0, 0));
    if (page < 0 || page >= pages) return;
    // Setting the page from code tells nobody, so the pages change here.
    SendMessageA(found->hwnd, TCM_SETCURSEL, page, 0);
    ui_->ShowPage(*record, static_cast<int>(found - record->controls.data()), page);
  });
}

void Win32System::ComboAdd(WindowId window, const Text& control, const Text& item) {
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control))
      SendMessageA(found->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  });
}

void Win32System::ComboSelect(WindowId window, const Text& control, int index) {
  ui_->Run([&] {
    if (ControlRecord* found = ui_->Control(window, control))
      SendMessageA(found->hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  });
}

Text Win32System::ComboSelectedText(WindowId window, const Text& control) {
  Text text;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!found) return;
    const LRESULT selected = SendMessageA(found->hwnd, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    const LRESULT length = SendMessageA(found->hwnd, CB_GETLBTEXTLEN, selected, 0);
    if (length == CB_ERR || length <= 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(found->hwnd, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(buffer.data()));
    text = buffer.data();
  });
  return text;
}

}  // namespace volmere
