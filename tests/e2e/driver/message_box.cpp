#include "tests/e2e/driver/message_box.h"

#include "tests/e2e/driver/controls.h"
#include "tests/e2e/driver/top_level_windows.h"
#include "tests/e2e/driver/wait.h"

namespace volmere::e2e {
namespace {

// The control of MessageBox's dialog that holds the message.
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

std::vector<HWND> MessageBoxes(DWORD processId) {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindows(processId))
    if (IsWindowVisible(window) && WindowClass(window) == "#32770" &&
        GetDlgItem(window, kMessageTextId))
      boxes.push_back(window);
  return boxes;
}

std::string MessageBoxText(HWND box) { return ControlText(GetDlgItem(box, kMessageTextId)); }

std::string MessageBoxTitle(HWND box) { return WindowCaption(box); }

HWND FindMessageBox(DWORD processId, const std::string& text) {
  for (HWND box : MessageBoxes(processId))
    if (MessageBoxText(box) == text) return box;
  return nullptr;
}

HWND WaitForMessageBox(DWORD processId, const std::string& text, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindMessageBox(processId, text)) != nullptr; }, timeoutMs);
  return found;
}

bool HasButton(HWND box, int buttonId) { return GetDlgItem(box, buttonId) != nullptr; }

// A command posted while the box is still setting itself up can be lost, so
// the press is repeated until the box has gone.
bool PressButton(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  if (!button) return false;
  for (int attempt = 0; attempt < 5; ++attempt) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    if (WaitUntil([&] { return !IsWindow(box); }, 2000)) return true;
  }
  return !IsWindow(box);
}

}  // namespace volmere::e2e
