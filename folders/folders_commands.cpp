#include "app/command_table.h"

namespace volmere {

void RegisterFolderCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
