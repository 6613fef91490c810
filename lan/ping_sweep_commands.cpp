#include "app/command_table.h"

namespace volmere {

void RegisterPingSweepCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
