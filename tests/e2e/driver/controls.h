// The controls of one of the program's windows, found by their layout name,
// read and operated from outside as a user's clicks and keys would.
#pragma once

#include <windows.h>

#include <string>

#include "platform/window_layout.h"

namespace volmere::e2e {

// The control `name` of `layout` in `window` (a window built from that
// layout), found by the ID the window builder gives it: 1000 plus its index
// in the table. nullptr when it is not there.
HWND FindControl(HWND window, const WindowLayout& layout, const std::string& name);

// The Win32 class a control of that kind is made of.
const char* ClassOfKind(ControlKind kind);

std::string ControlText(HWND control);
bool SetControlText(HWND control, const std::string& text);
bool IsChecked(HWND control);
bool IsControlEnabled(HWND control);
bool IsControlVisible(HWND control);

// A click on a button, check box or radio button. Posted, so that a handler
// that opens a modal window or a message box does not hold the driver up.
void Click(HWND control);

// The control's rectangle relative to the client area of `window`.
RECT RectInClient(HWND control, HWND window);

// The Esc key pressed with `window` (or the control in it that has the focus)
// active.
void PressEscape(HWND window);
// The window's close box.
void PressCloseBox(HWND window);
// The same close request, delivered ahead of queued input.
void SendCloseRequest(HWND window);

}  // namespace volmere::e2e
