#include "app/command_table.h"
#include "lan/ping_sweep_window.h"

namespace volmere {

void RegisterPingSweepCommands(CommandTable& table) {
  table["pingSweepButton"] = [](AppContext& ctx) { PingSweepWindow(ctx).Open(); };
  table["pingSweepItem"] = [](AppContext& ctx) { PingSweepWindow(ctx).Open(); };
}

}  // namespace volmere
