#include "app/command_table.h"

namespace volmere {

void RegisterRemoteCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
