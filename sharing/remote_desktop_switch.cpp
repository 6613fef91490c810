#include "platform/windows_edition.h"
#include "sharing/settings_actions.h"

namespace volmere {

// The key name holds a blank; the quotes around it reach REG as one argument.
const char kRemoteDesktopOffBatch[] =
    "@REG ADD HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal\" \"Server /v fDenyTSConnections "
    "/t REG_DWORD /d 00000001 /f";
const char kRemoteDesktopOnBatch[] =
    "@REG ADD HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal\" \"Server /v fDenyTSConnections "
    "/t REG_DWORD /d 00000000 /f\r\n"
    "net stop sharedaccess";

void DisableRemoteDesktop(SystemServices& sys) {
  const Text batch = sys.TempDir() + "关闭.bat";
  sys.WriteTextFile(batch, kRemoteDesktopOffBatch);
  sys.RunCommand(batch, true, true);
  // Without administrator rights REG ADD fails quietly; only the value tells.
  if (sys.RegReadNumber(RegRoot::LocalMachine, kDenyRemoteDesktopPath) == 1) {
    sys.ShowMessage("关闭成功！", MsgInformation);
  } else {
    sys.ShowMessage("关闭失败！请右击本软件，选择以管理员身份运行后再试。", MsgWarning);
  }
}

void EnableRemoteDesktop(SystemServices& sys) {
  const Text batch = sys.TempDir() + "开启.bat";
  sys.WriteTextFile(batch, kRemoteDesktopOnBatch);
  // Stopping the firewall service can take a while; the message does not
  // wait for it.
  sys.RunCommand(batch, false, true);
  if (WindowsEditionName(sys) == "Windows 7") {
    sys.ShowMessage(
        "服务已开启！由于你的是Windows 7系统，牵涉到权限问题，请到控制面板--系统--远程设置--"
        "选择用户里设置！另加自行关闭防火墙!",
        MsgWarning);
  } else {
    sys.ShowMessage("开启成功！", MsgInformation);
  }
}

}  // namespace volmere
