#include "app/preferences.h"
#include "sharing/computer_identity.h"
#include "sharing/settings_actions.h"

namespace volmere {
namespace {

// Only the first control set: the sharing probe looks at both, so the radio
// shown here can disagree with it.
constexpr const char* kRestrictAnonymousPath =
    "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
constexpr const char* kForceGuestPath = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\forceguest";

const char* CheckedSharingRadio(SystemServices& sys) {
  if (sys.RegReadNumber(RegRoot::LocalMachine, kRestrictAnonymousPath) != 0)
    return "sharingOffRadio";
  if (sys.RegReadNumber(RegRoot::LocalMachine, kForceGuestPath) != 0) return "sharingOpenRadio";
  return "sharingWithPasswordRadio";
}

}  // namespace

void LoadSettingsFields(AppContext& ctx, WindowId settings, SharedText* loadedComputerName) {
  SystemServices& sys = ctx.sys;
  Text company = StoredCompanyName(sys);
  if (company.empty()) company = "XX公司";
  sys.SetText(settings, "companyNameEdit", company);

  Text name = RegistryComputerName(sys);
  loadedComputerName->Set(name);
  sys.SetText(settings, "computerNameEdit", name);

  sys.SetText(settings, "workgroupEdit", ctx.session.workgroup.Get());

  const bool remoteDesktopOn =
      sys.RegReadNumber(RegRoot::LocalMachine, kDenyRemoteDesktopPath) == 0;
  sys.SetChecked(settings, remoteDesktopOn ? "remoteDesktopOnRadio" : "remoteDesktopOffRadio",
                 true);

  sys.SetChecked(settings, CheckedSharingRadio(sys), true);

  sys.SetChecked(settings, "doubleClickCheck", DoubleClickOpensPref(sys));
}

}  // namespace volmere
