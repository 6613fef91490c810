#include "app/startup.h"

#include "app/preferences.h"

namespace volmere {
namespace {

constexpr const char* kComputerNamePath =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";

// Appends the workstation-domain line of "net config workstation" to
// works.ini in the program folder; the quotes keep a folder with spaces whole
// for the redirection.
constexpr const char* kProbeBatchTemplate =
    "net config workstation | find \"工作站域\" | find /V \"DNS\">>\"%路径%\\works.ini\"";

}  // namespace

Text WorkgroupProbe(SystemServices& sys) {
  Text batch = sys.TempDir() + "\\取工作组.bat";
  sys.WriteTextFile(batch, ReplaceText(kProbeBatchTemplate, "%路径%", sys.ProgramDir(), true));
  sys.RunCommand(batch, true, true);
  Text worksFile = sys.ProgramDir() + "\\works.ini";
  Text text = sys.ReadTextFile(worksFile);
  text = ReplaceText(text, "工作站域", "", true);
  text = ReplaceText(text, "\r\n", "", true);
  text = RemoveSpaces(text);
  sys.DeleteFile(worksFile);
  return text;
}

void StartupWorker(AppContext& ctx, const std::function<void(AppContext&)>& startOwnWorkgroupPass) {
  SystemServices& sys = ctx.sys;
  Text company = StoredCompanyName(sys);
  if (company.empty()) company = "xx公司局域网";
  ctx.session.computerName.Set(sys.RegReadText(RegRoot::LocalMachine, kComputerNamePath));
  sys.SetText(ctx.mainWindow, "",
              company + "Volmere---计算机名：" + ctx.session.computerName.Get());
  sys.SetChecked(ctx.mainWindow, "autoCloseCheck", AutoCloseOn(sys));
  ctx.session.doubleClickOpens = DoubleClickOpensPref(sys);
  ctx.session.workgroup.Set(WorkgroupProbe(sys));
  sys.SetText(ctx.mainWindow, "",
              sys.GetText(ctx.mainWindow, "") + "  工作组：" + ctx.session.workgroup.Get());
  startOwnWorkgroupPass(ctx);
}

}  // namespace volmere
