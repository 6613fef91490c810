#include "app/command_table.h"

namespace volmere {

void RegisterSharingCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
