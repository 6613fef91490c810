#include "app/command_table.h"
#include "sharing/identity_commands.h"
#include "sharing/settings_window.h"

namespace volmere {

void RegisterSettingsCommands(CommandTable& table) {
  table["sharingSettingsButton"] = SettingsWindow::OpenSettings;
  table["sharingSettingsItem"] = SettingsWindow::OpenSettings;
  table["aboutItem"] = SettingsWindow::OpenAbout;
  table["renameComputerItem"] = RenameComputer;
  table["companyNameItem"] = ChangeCompanyName;
}

}  // namespace volmere
