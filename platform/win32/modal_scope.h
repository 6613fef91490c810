// While a dialog of the system is open, every window of the program is
// disabled; afterwards each gets back its own enabled state, and the
// foreground and active windows are what they were.
#pragma once

#include "platform/win32/ui_state.h"

namespace volmere {

class ModalScope {
 public:
  explicit ModalScope(Win32System::UiState& ui)
      : foreground_(GetForegroundWindow()), active_(ui.ActiveProgramWindow()) {
    disabled_ = ui.EnabledTopLevelWindows();
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  ~ModalScope() {
    for (HWND window : disabled_)
      if (IsWindow(window)) EnableWindow(window, TRUE);
    if (foreground_ && IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (active_ && IsWindow(active_)) SetActiveWindow(active_);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  HWND active() const { return active_; }

 private:
  HWND foreground_;
  HWND active_;
  std::vector<HWND> disabled_;
};

}  // namespace volmere
