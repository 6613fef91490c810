#include "app/command_table.h"

namespace volmere {

void RegisterLanCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
