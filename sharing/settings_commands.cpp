#include "app/command_table.h"

namespace volmere {

void RegisterSettingsCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
