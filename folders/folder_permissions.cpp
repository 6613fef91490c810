#include "folders/folder_permissions.h"

namespace volmere {

Text PathForCommand(const Text& path) {
  return FindText(path, " ") > 0 ? "\"" + path + "\"" : path;
}

std::vector<Text> PermissionCommandLines(const Text& path, PermissionMode mode) {
  const Text cacls = "cacls " + PathForCommand(path);
  std::vector<Text> commands = {cacls + " /t /r everyone /e"};
  switch (mode) {
    case PermissionMode::FullControl:
      commands.push_back(cacls + " /e /t /g everyone:F");
      break;
    case PermissionMode::ReadOnly:
      commands.push_back(cacls + " /e /t /g everyone:r");
      break;
    case PermissionMode::ReadWrite:
      commands.push_back(cacls + " /e /t /g everyone:r");
      commands.push_back(cacls + " /e /t /g everyone:w");
      break;
    case PermissionMode::Closed:
      break;
  }
  return commands;
}

Text RecycleBinBatchText(const Text& root) {
  return "rd /s " + root + "$RECYCLE.BIN /q\r\nrd /s " + root + "RECYCLER /q";
}

bool SetFolderPermissions(AppContext& ctx, const Text& path, PermissionMode mode) {
  ctx.sys.SetText(ctx.mainWindow, "statusLabel", "正在设置文件夹权限，请耐心等待。。");
  bool allSucceeded = true;
  for (const Text& command : PermissionCommandLines(path, mode)) {
    int exitStatus = -1;
    if (!ctx.sys.RunCommand(command, true, true, &exitStatus) || exitStatus != 0) {
      allSucceeded = false;
    }
  }
  if (TextLength(path) <= 3) {
    const Text batch = ctx.sys.TempDir() + "清空回收站.bat";
    ctx.sys.WriteTextFile(batch, RecycleBinBatchText(path));
    ctx.sys.RunCommand(batch, true, true);
  }
  ctx.sys.SetText(ctx.mainWindow, "statusLabel", "文件夹权限设置完毕。。。");
  return allSucceeded;
}

}  // namespace volmere
