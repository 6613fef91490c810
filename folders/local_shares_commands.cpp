#include "app/command_table.h"
#include "folders/local_shares_window.h"

namespace volmere {

void RegisterLocalSharesCommands(CommandTable& table) {
  table["localSharesButton"] = [](AppContext& ctx) { LocalSharesWindow(ctx).Open(); };
  table["localSharesItem"] = [](AppContext& ctx) { LocalSharesWindow(ctx).Open(); };
}

}  // namespace volmere
