// The program's message boxes: the standard #32770 dialog of MessageBox.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace volmere::e2e {

// Every open message box of the process.
std::vector<HWND> MessageBoxes(DWORD processId);

// The open message box of the process that shows `text`; nullptr when none.
HWND FindMessageBox(DWORD processId, const std::string& text);
HWND WaitForMessageBox(DWORD processId, const std::string& text, int timeoutMs = 15000);

// The message the box shows, and its title.
std::string MessageBoxText(HWND box);
std::string MessageBoxTitle(HWND box);

// Whether the box has the button IDYES, IDNO, IDOK, …
bool HasButton(HWND box, int buttonId);
// Presses that button as a click would; false when the box has no such button.
bool PressButton(HWND box, int buttonId);

}  // namespace volmere::e2e
