#include "tests/e2e/driver/controls.h"

#include <commctrl.h>

#include <vector>

namespace volmere::e2e {
namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

// The window builder gives every control the ID kFirstControlId plus its
// index in the layout table.
constexpr int kFirstControlId = 1000;

}  // namespace

const char* ClassOfKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "Static";
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
      return "Button";
    case ControlKind::Edit:
      return "Edit";
    case ControlKind::DropDownList:
      return "ComboBox";
    case ControlKind::IconList:
    case ControlKind::ReportList:
      return WC_LISTVIEWA;
    case ControlKind::TabControl:
      return WC_TABCONTROLA;
  }
  return "";
}

HWND FindControl(HWND window, const WindowLayout& layout, const std::string& name) {
  int index = -1;
  for (size_t i = 0; i < layout.controls.size(); ++i)
    if (name == layout.controls[i].name) index = static_cast<int>(i);
  if (index < 0 || name.empty()) return nullptr;
  const char* wantedClass = ClassOfKind(layout.controls[index].kind);
  for (HWND child : Descendants(window)) {
    // The parts of a combo box or a list view carry IDs of their own.
    const std::string parentClass = ClassOf(GetParent(child));
    if (_stricmp(parentClass.c_str(), "ComboBox") == 0 ||
        _stricmp(parentClass.c_str(), WC_LISTVIEWA) == 0)
      continue;
    if (GetDlgCtrlID(child) == kFirstControlId + index &&
        _stricmp(ClassOf(child).c_str(), wantedClass) == 0)
      return child;
  }
  return nullptr;
}

std::string ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return "";
  std::vector<char> text(length + 1, '\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 5000, &got))
    return "";
  return std::string(text.data(), got);
}

bool SetControlText(HWND control, const std::string& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 5000, &result) &&
         result;
}

bool IsChecked(HWND control) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

bool IsControlEnabled(HWND control) { return IsWindowEnabled(control); }
bool IsControlVisible(HWND control) { return IsWindowVisible(control); }

void Click(HWND control) { PostMessageA(control, BM_CLICK, 0, 0); }

RECT RectInClient(HWND control, HWND window) {
  RECT r = {};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void PressEscape(HWND window) {
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  HWND target = window;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) && gui.hwndFocus)
    target = gui.hwndFocus;
  const UINT scan = MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC);
  PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16));
  PostMessageA(target, WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void PressCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

// Sent rather than posted: while workers keep the user-interface thread busy
// with their calls, a posted close waits behind every one of them. The call
// returns after a moment even when the close opens a modal box.
void SendCloseRequest(HWND window) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 200, &ignored);
}

}  // namespace volmere::e2e
