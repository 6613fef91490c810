#include "folders/share_folder_flow.h"

#include "folders/folder_permissions.h"
#include "folders/share_confirm_window.h"
#include "platform/windows_edition.h"
#include "sharing/sharing_modes.h"

namespace volmere {
namespace {

bool IsFolderPath(const Text& path) { return TextLength(path) >= 4; }

void OfferToSwitchSharingOn(AppContext& ctx) {
  const int answer = ctx.sys.ShowMessage(
      "经检测到你的电脑尚未开启共享或共享开启不完善，需要开启共享后共享文件夹别人才能看见。\r\n\r\n"
      "是否立即开启共享？",
      MsgYesNoQuestion, "是否开启共享！");
  if (answer != MsgYes) return;
  ctx.sys.SetText(ctx.mainWindow, "statusLabel", "正在开启局域网共享。。");
  // The batch takes a while (Secedit walks its database); the user picks the
  // folder meanwhile.
  ctx.sys.StartWorker(
      [&ctx](int) {
        const bool enabled = EnableSharingOpen(ctx.sys);
        ctx.sys.SetText(ctx.mainWindow, "statusLabel",
                        enabled ? "开启完毕！" : "开启共享失败！请以管理员身份运行。");
      },
      0);
}

}  // namespace

Text ProposedShareName(const Text& path) {
  const int lastBackslash = FindLastText(path, "\\");
  const Text name = RightText(path, TextLength(path) - lastBackslash);
  if (name == "Desktop") return "桌面";
  if (name.empty()) {
    const int colon = FindText(path, ":");
    return "本地磁盘（" + UpperAscii(LeftText(path, colon - 1)) + "）";
  }
  return name;
}

Text ShareCommandLine(const Text& path, const Text& shareName, bool fullControl,
                      const Text& edition) {
  const bool quoted = FindText(path, " ") > 0;
  const Text name = quoted ? "\"" + shareName + "\"" : shareName;
  Text command = "net share " + name + "=" + PathForCommand(path);
  if (edition == "Windows 7" || edition == "Vista") {
    command += fullControl ? " /grant:Guests,full /grant:Everyone,full"
                           : " /grant:Guests,read /grant:Everyone,read";
  }
  return command;
}

Text ShareGrantCommandLine(const Text& path) {
  return "cacls " + PathForCommand(path) + " /e /t /g everyone:F";
}

bool StartShareCommands(SystemServices& sys, const Text& path, const Text& shareName,
                        bool fullControl) {
  const Text command = ShareCommandLine(path, shareName, fullControl, WindowsEditionName(sys));
  int exitStatus = -1;
  if (!sys.RunCommand(command, true, true, &exitStatus) || exitStatus != 0) return false;
  if (IsFolderPath(path)) sys.RunCommand(ShareGrantCommandLine(path), true, true);
  return true;
}

void ShareFolderFlow(AppContext& ctx) {
  if (!SharingEnabledProbe(ctx.sys)) OfferToSwitchSharingOn(ctx);

  const Text path = ctx.sys.PickFolder("选择要共享的文件夹");
  if (path.empty()) return;

  const ShareRequest request = AskShareRequest(ctx.sys, ProposedShareName(path));
  if (request.shareName.empty()) return;

  const Text title = "操作系统为：" + WindowsEditionName(ctx.sys);
  if (!StartShareCommands(ctx.sys, path, request.shareName, request.fullControl)) {
    ctx.sys.ShowMessage("共享失败！请以管理员身份运行本软件，并检查共享名是否正确。", MsgWarning,
                        title);
    return;
  }

  Text note;
  if (!IsFolderPath(path)) {
    note = "\r\n\r\n注：如果打不开你的磁盘，请设置一下磁盘的文件夹权限！";
  } else if (SetFolderPermissions(ctx, path, PermissionMode::ReadWrite)) {
    note = "\r\n\r\n注：文件夹默认权限设置为读取+写入。如果需要更高的权限，请点击设置文件夹权限！";
  } else {
    note = "\r\n\r\n注：文件夹权限设置失败，请点击设置文件夹权限重试！";
  }
  ctx.sys.ShowMessage(
      "共享成功！\r\n共享名为：" + request.shareName + "\r\n共享路径：" + path + note,
      MsgInformation, title);
}

}  // namespace volmere
