#include "app/command_table.h"
#include "remote/remote_desktop.h"

namespace volmere {

void RegisterRemoteCommands(CommandTable& table) {
  table["remoteDesktopItem"] = [](AppContext& ctx) { OpenRemoteDesktop(ctx); };
}

}  // namespace volmere
