#include "tests/e2e/driver/controls.h"

#include <commctrl.h>

#include <cstring>
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

// The layout name the window builder records on every control it creates.
std::string RecordedName(HWND control) {
  HANDLE atom = GetPropA(control, "VolmereControlName");
  if (!atom) return "";
  char name[256] = "";
  const UINT length =
      GlobalGetAtomNameA(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(atom)), name, sizeof name);
  return std::string(name, length);
}

// Without a recorded name, the n-th control of the kind's class stands for
// the n-th control of that class in the table: the builder creates the
// controls in table order, and siblings enumerate in creation order.
HWND ByClassOrder(HWND window, const WindowLayout& layout, const std::string& name) {
  const ControlLayout* wanted = nullptr;
  int ordinal = 0;
  for (const ControlLayout& control : layout.controls) {
    if (name == control.name) {
      wanted = &control;
      break;
    }
  }
  if (!wanted) return nullptr;
  const char* wantedClass = ClassOfKind(wanted->kind);
  for (const ControlLayout& control : layout.controls) {
    if (&control == wanted) break;
    if (std::strcmp(ClassOfKind(control.kind), wantedClass) == 0) ++ordinal;
  }
  for (HWND child : Descendants(window)) {
    if (_stricmp(ClassOf(child).c_str(), wantedClass) != 0) continue;
    if (ordinal-- == 0) return child;
  }
  return nullptr;
}

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
  bool anyRecorded = false;
  for (HWND child : Descendants(window)) {
    const std::string recorded = RecordedName(child);
    if (recorded == name) return child;
    anyRecorded = anyRecorded || !recorded.empty();
  }
  return anyRecorded ? nullptr : ByClassOrder(window, layout, name);
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

}  // namespace volmere::e2e
