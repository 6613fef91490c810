// MainWindow's commands by the name of the control or menu item that runs
// them. List events are named after the list: "computerList.Click",
// "computerList.DoubleClick", "computerList.RightClick".
#pragma once

#include <functional>
#include <map>

#include "app/app_context.h"

namespace volmere {

using Command = std::function<void(AppContext&)>;
using CommandTable = std::map<Text, Command>;

// Each area binds the commands it implements.
void RegisterLanCommands(CommandTable& table);
void RegisterSharingCommands(CommandTable& table);
void RegisterFolderCommands(CommandTable& table);
void RegisterRemoteCommands(CommandTable& table);
void RegisterPingSweepCommands(CommandTable& table);
void RegisterSettingsCommands(CommandTable& table);
void RegisterLocalSharesCommands(CommandTable& table);

}  // namespace volmere
