#include "app/shell_commands.h"

#include "app/help_page.h"
#include "app/preferences.h"

namespace volmere {

void RegisterShellCommands(CommandTable& table) {
  table["statusLabel"] = [](AppContext& ctx) { OpenHelpPage(ctx); };
  table["helpItem"] = [](AppContext& ctx) { OpenHelpPage(ctx); };
  // The click has already toggled the box; its new state is the switch.
  table["autoCloseCheck"] = [](AppContext& ctx) {
    StoreAutoClose(ctx.sys, ctx.sys.IsChecked(ctx.mainWindow, "autoCloseCheck"));
  };
  table["printersButton"] = [](AppContext& ctx) {
    ctx.sys.RunCommand("RUNDLL32 SHELL32.DLL,SHHelpShortcuts_RunDLL PrintersFolder", false, false);
  };
}

}  // namespace volmere
