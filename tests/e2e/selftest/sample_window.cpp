// A small stand-in for the program, for the driver's own checks: a window
// built from MainWindow's layout table, a start-up question, a list view with
// three items, a page opened with the shell, and registry writes that tell the
// driver what it did.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "resources/main_window_layout.h"

namespace {

using volmere::ControlKind;
using volmere::ControlLayout;
using volmere::kMainWindowLayout;

const char* const kKey = "Software\\VolmereE2E";

void Record(const char* value, const std::string& text) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

const char* ClassOf(ControlKind kind, DWORD* style) {
  switch (kind) {
    case ControlKind::Label:
      return "Static";
    case ControlKind::CheckBox:
      *style |= BS_AUTOCHECKBOX;
      return "Button";
    case ControlKind::Button:
      return "Button";
    case ControlKind::IconList:
      *style |= LVS_ICON | LVS_SINGLESEL;
      return WC_LISTVIEWA;
    default:
      return "Static";
  }
}

HWND gList;
HWND gCheck;

std::string ItemText(int item) {
  char text[256] = "";
  ListView_GetItemText(gList, item, 0, text, sizeof text);
  return text;
}

void Build(HWND window) {
  int id = 1000;  // as the program's window builder numbers its controls
  for (const ControlLayout& control : kMainWindowLayout.controls) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    const char* cls = ClassOf(control.kind, &style);
    HWND child =
        CreateWindowExA(0, cls, control.text, style, control.x, control.y, control.width,
                        control.height, window, reinterpret_cast<HMENU>(id++), nullptr, nullptr);
    if (control.kind == ControlKind::IconList) gList = child;
    if (control.kind == ControlKind::CheckBox) gCheck = child;
  }
  HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR24, 2, 0);
  for (int i = 0; i < 2; ++i) ImageList_AddIcon(images, LoadIcon(nullptr, IDI_APPLICATION));
  ListView_SetImageList(gList, images, LVSIL_NORMAL);
  const char* names[] = {"PC1", "本机", "PC3"};
  for (int i = 0; i < 3; ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = const_cast<char*>(names[i]);
    item.iImage = i % 2;
    ListView_InsertItem(gList, &item);
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      Build(window);
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == gCheck && HIWORD(wParam) == BN_CLICKED)
        Record("check", SendMessageA(gCheck, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0");
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<NMHDR*>(lParam);
      const auto* activate = reinterpret_cast<NMITEMACTIVATE*>(lParam);
      if (header->hwndFrom != gList) break;
      const std::string text = activate->iItem >= 0 ? ItemText(activate->iItem) : "(none)";
      if (header->code == NM_CLICK) Record("click", text);
      if (header->code == NM_DBLCLK) Record("doubleclick", text);
      if (header->code == NM_RCLICK) Record("rightclick", text);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RunHidden(std::string commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return;
  WaitForSingleObject(info.hProcess, 10000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  RunHidden("net share sample=C:\\ /unlimited");

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VolmereE2ESample";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Sample window",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowLayout.outerWidth,
                                kMainWindowLayout.outerHeight, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  const int answer = MessageBoxA(nullptr, "要继续吗？", "信息：", MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) {
    HANDLE page = CreateFileA("sample.html", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(page);
    ShellExecuteA(nullptr, "open", "sample.html", nullptr, nullptr, SW_SHOWNORMAL);
  }
  Record("answer", answer == IDYES ? "yes" : "no");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      DestroyWindow(window);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
