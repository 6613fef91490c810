#include "app/preferences.h"
#include "sharing/computer_identity.h"
#include "sharing/settings_actions.h"

namespace volmere {
namespace {

void ApplyComputerName(SystemServices& sys, const Text& name, const Text& loadedComputerName) {
  // A change of letter case alone is a change: Windows keeps the name as typed.
  if (name.empty() || name == loadedComputerName) return;
  if (!IsValidComputerName(name)) {
    sys.ShowMessage(kInvalidComputerNameMessage, MsgWarning);
  } else if (WriteComputerName(sys, name)) {
    sys.ShowMessage("更改成功,计算机名需重启计算机生效!", MsgInformation);
  } else {
    sys.ShowMessage(kComputerNameWriteFailedMessage, MsgWarning);
  }
}

void ApplyWorkgroup(AppContext& ctx, const Text& workgroup) {
  if (workgroup.empty() || workgroup == ctx.session.workgroup.Get()) return;
  if (!IsValidWorkgroupName(workgroup)) {
    ctx.sys.ShowMessage(kInvalidWorkgroupMessage, MsgWarning);
    return;
  }
  // TempDir ends with a backslash already; Windows reads the doubled one as one.
  const Text batch = ctx.sys.TempDir() + "\\工作组.bat";
  ctx.sys.WriteTextFile(batch, WorkgroupBatchText(workgroup));
  ctx.sys.RunCommand(batch, true, true);
  // The new start-up pass finds the workgroup again and rebuilds the caption
  // and the list from it.
  if (ctx.startStartupWorker) ctx.startStartupWorker();
}

}  // namespace

Text WorkgroupBatchText(const Text& workgroup) {
  // %COMPUTERNAME% stays as it is: the command interpreter expands it.
  return ReplaceText(
      "wmic computersystem where Name=\"%COMPUTERNAME%\" call JoinDomainOrWorkgroup "
      "Name=\"%工作组%\"",
      "%工作组%", workgroup, true);
}

void ApplyIdentityFields(AppContext& ctx, WindowId settings, const Text& loadedComputerName) {
  SystemServices& sys = ctx.sys;
  const Text company = sys.GetText(settings, "companyNameEdit");
  StoreCompanyName(sys, company);
  // Before the rename below, so the caption names the computer as it still is.
  SetCompanyCaption(ctx, company);
  ApplyComputerName(sys, sys.GetText(settings, "computerNameEdit"), loadedComputerName);
  ApplyWorkgroup(ctx, sys.GetText(settings, "workgroupEdit"));
}

}  // namespace volmere
