#pragma once

#include "app/command_table.h"

namespace volmere {

// MainWindow's own commands: the help page, the auto-close switch and the
// printers folder.
void RegisterShellCommands(CommandTable& table);

}  // namespace volmere
