#include "platform/win32/modal_scope.h"
// After windows.h, whose types they use.
#include <objbase.h>
#include <shlobj.h>

namespace volmere {

// The classic picker with its edit box: folders that have a file-system path
// only. A drive's root comes back as "D:\", any other folder without a
// trailing backslash.
Text Win32System::PickFolder(const Text& title) {
  Text picked;
  ui_->Run(
      [&] {
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        {
          ModalScope scope(*ui_);
          char displayName[MAX_PATH] = "";
          BROWSEINFOA browse{};
          browse.hwndOwner = scope.active();
          browse.pszDisplayName = displayName;
          browse.lpszTitle = title.c_str();
          browse.ulFlags = BIF_EDITBOX | BIF_RETURNONLYFSDIRS;
          if (LPITEMIDLIST item = SHBrowseForFolderA(&browse)) {
            char path[MAX_PATH] = "";
            if (SHGetPathFromIDListA(item, path)) picked = path;
            CoTaskMemFree(item);
          }
        }
        if (SUCCEEDED(com)) CoUninitialize();
      },
      true);
  return picked;
}

}  // namespace volmere
