#include "sharing/identity_commands.h"

#include "app/preferences.h"
#include "platform/windows_edition.h"
#include "sharing/computer_identity.h"

namespace volmere {

void RenameComputer(AppContext& ctx) {
  SystemServices& sys = ctx.sys;
  if (WindowsEditionName(sys) == "Windows 7") {
    sys.ShowMessage(
        "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行",
        MsgWarning);
  }
  Text answer;
  sys.AskText("请在下面输入要更改的计算机名！", "更改计算机名", RegistryComputerName(sys), AskPlain,
              &answer);
  // Cancelled and emptied end alike: the answer stays empty.
  if (answer.empty()) return;
  if (!IsValidComputerName(answer)) {
    sys.ShowMessage(kInvalidComputerNameMessage, MsgWarning);
  } else if (WriteComputerName(sys, answer)) {
    sys.ShowMessage("修改成功！下次重启后生效！", MsgInformation);
  } else {
    sys.ShowMessage(kComputerNameWriteFailedMessage, MsgWarning);
  }
}

void ChangeCompanyName(AppContext& ctx) {
  SystemServices& sys = ctx.sys;
  Text current = StoredCompanyName(sys);
  if (current.empty()) current = "XX公司";
  Text answer;
  if (!sys.AskText("请输入规公司的名称！", "公司名称", current, AskPlain, &answer)) return;
  // An emptied box is stored too: the caption then starts with the program's name.
  StoreCompanyName(sys, answer);
  SetCompanyCaption(ctx, answer);
  sys.ShowMessage("设置成功", MsgInformation);
}

}  // namespace volmere
