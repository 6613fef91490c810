#include "folders/permission_mode_window.h"

#include "resources/permission_mode_window_layout.h"

namespace volmere {
namespace {

const char kOthersCanOpen[] = "\r\n现在别人就可以打开你的文件夹了。^_^";

struct ModeRadio {
  const char* radio;
  PermissionMode mode;
};

// Tested in this order; the first checked one wins.
const ModeRadio kModeRadios[] = {
    {"permFullControlRadio", PermissionMode::FullControl},
    {"permReadOnlyRadio", PermissionMode::ReadOnly},
    {"permReadWriteRadio", PermissionMode::ReadWrite},
    {"permClosedRadio", PermissionMode::Closed},
};

Text ModeMessage(PermissionMode mode, const Text& fullControlText) {
  switch (mode) {
    case PermissionMode::FullControl:
      return fullControlText;
    case PermissionMode::ReadOnly:
      return Text("Everyone用户已可以读取此文件夹或磁盘了。") + kOthersCanOpen;
    case PermissionMode::ReadWrite:
      return Text("Everyone用户已可以读取或写入此文件夹或磁盘。") + kOthersCanOpen;
    case PermissionMode::Closed:
      break;
  }
  return "Everyone用户权限已关闭";
}

}  // namespace

void PermissionModeWindow::Open() { ctx_.sys.LoadWindow(kPermissionModeWindowLayout, *this, true); }

void PermissionModeWindow::OnCreated(WindowId self) {
  self_ = self;
  permissionTarget_ = ctx_.sys.PickFolder("选择磁盘或文件夹");
  if (permissionTarget_.empty()) ctx_.sys.CloseWindow(self_);
}

void PermissionModeWindow::OnCommand(const Text& control) {
  if (control == "permCancelButton") {
    ctx_.sys.CloseWindow(self_);
  } else if (control == "permOkButton") {
    ctx_.sys.ShowWindow(self_, false);
    ApplyCheckedMode();
    ctx_.sys.CloseWindow(self_);
  }
}

void PermissionModeWindow::ApplyCheckedMode() {
  Text fullControlText;
  if (TextLength(permissionTarget_) > 3) {
    fullControlText = Text("Everyone用户已可以完全控制此文件夹或磁盘。") + kOthersCanOpen;
  } else {
    // On a root the commands walk the whole disk and the recycle bin is
    // emptied afterwards.
    const int answer = ctx_.sys.ShowMessage(
        "设置权限后可能导致本磁盘的回收站的文件丢失，建议先看一下回收站里还是否有重要的文件后再"
        "继续。\r\n\r\n是否继续？？？",
        MsgYesNoQuestion);
    if (answer != MsgYes) {
      ctx_.sys.ShowMessage("用户已取消！", MsgInformation);
      return;
    }
    fullControlText = Text("Everyone用户已可以完全控制此文件夹或磁盘了。") + kOthersCanOpen;
  }
  for (const ModeRadio& choice : kModeRadios) {
    if (!ctx_.sys.IsChecked(self_, choice.radio)) continue;
    if (SetFolderPermissions(ctx_, permissionTarget_, choice.mode)) {
      ctx_.sys.ShowMessage(ModeMessage(choice.mode, fullControlText), MsgInformation);
    } else {
      ctx_.sys.ShowMessage("设置文件夹权限失败！请以管理员身份运行本软件后再试。", MsgWarning);
    }
    return;
  }
}

}  // namespace volmere
