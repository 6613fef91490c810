#include "app/command_table.h"

namespace volmere {

void RegisterLocalSharesCommands(CommandTable& table) { (void)table; }

}  // namespace volmere
