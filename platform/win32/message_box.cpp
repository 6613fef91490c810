#include "platform/win32/ui_state.h"

namespace volmere {

// Runs on the calling thread: task-modal, so a box shown by a handler
// disables the windows of the user-interface thread while it is open, and one
// shown by a worker disables nothing.
int Win32System::ShowMessage(const Text& text, int style, const Text& title) {
  UINT flags = static_cast<UINT>(style);
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  const UINT buttons = flags & MB_TYPEMASK;
  const int pressed = MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
  if (buttons == MB_OK) return MsgOk;
  switch (pressed) {
    case IDOK:
      return MsgOk;
    case IDCANCEL:
      return MsgCancel;
    case IDABORT:
      return 2;
    case IDRETRY:
      return 3;
    case IDIGNORE:
      return 4;
    case IDYES:
      return MsgYes;
    case IDNO:
      return MsgNo;
  }
  // The box could not be shown: the answer that starts nothing.
  return buttons == MB_YESNO ? MsgNo : MsgCancel;
}

}  // namespace volmere
