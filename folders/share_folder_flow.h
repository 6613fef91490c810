// Sharing a folder or a whole disk with the LAN in one go: sharing switched
// on when it is off, the folder picked, its share name confirmed, the share
// created with "net share" and the folder opened to Everyone.
#pragma once

#include "app/app_context.h"

namespace volmere {

// The text after the path's last backslash; "Desktop" becomes "桌面" and a
// disk's root (D:\) "本地磁盘（D）".
Text ProposedShareName(const Text& path);

// "net share name=path", with the grant options on the editions whose net
// takes them ("Windows 7" and "Vista"). A path with a space puts both the
// name and the path in quotes.
Text ShareCommandLine(const Text& path, const Text& shareName, bool fullControl,
                      const Text& edition);

// Opens the whole folder tree to Everyone.
Text ShareGrantCommandLine(const Text& path);

// Runs the share command hidden and waits for it; when it succeeded and the
// path is a folder (4 bytes or more), runs the grant the same way, so that
// the grant has ended before anything else touches the tree. True when the
// share command exited with 0.
bool StartShareCommands(SystemServices& sys, const Text& path, const Text& shareName,
                        bool fullControl);

// The whole flow, on the user-interface thread; only the switching-on of
// sharing runs on a worker.
void ShareFolderFlow(AppContext& ctx);

}  // namespace volmere
