// The access that the group Everyone has to a folder tree or a whole disk,
// set with the Windows cacls tool.
#pragma once

#include <vector>

#include "app/app_context.h"

namespace volmere {

enum class PermissionMode { FullControl = 1, ReadOnly = 2, ReadWrite = 3, Closed = 4 };

// The path as it stands in a command line: in double quotes when it has a
// space, bare otherwise.
Text PathForCommand(const Text& path);

// The cacls command lines for a mode, in the order they run: the revoke of
// Everyone first, then the mode's grants.
std::vector<Text> PermissionCommandLines(const Text& path, PermissionMode mode);

// The batch that empties a disk's recycle-bin folders; `root` ends with a
// backslash (D:\).
Text RecycleBinBatchText(const Text& root);

// Runs the mode's commands hidden, each waited for, on the calling thread;
// for a disk's root (3 bytes or less) the recycle-bin batch after them.
// MainWindow's statusLabel tells when it starts and ends. True when every
// cacls command started and exited with 0. The batch is left out of that: a
// disk seldom has both recycle-bin folders, so one of its two "rd"s fails as
// a rule.
bool SetFolderPermissions(AppContext& ctx, const Text& path, PermissionMode mode);

}  // namespace volmere
