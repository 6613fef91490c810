#include "app/preferences.h"
#include "remote/saved_password.h"
#include "sharing/computer_identity.h"
#include "sharing/settings_actions.h"

namespace volmere {

void ClearSavedData(AppContext& ctx) {
  SystemServices& sys = ctx.sys;
  // Only the computers listed now: saved passwords of the others stay.
  const int count = sys.ListCount(ctx.mainWindow, "computerList");
  for (int i = 0; i < count; ++i) {
    const ListEntry entry = sys.ListEntryAt(ctx.mainWindow, "computerList", i);
    if (entry.id) sys.DeleteFile(SavedPasswordFile(sys, entry.text));
  }
  StoreCompanyName(sys, "");
  sys.ShowMessage("清除成功！", MsgInformation);
  sys.SetText(ctx.mainWindow, "", "XX公司Volmere---我的计算机名：" + RegistryComputerName(sys));
}

}  // namespace volmere
