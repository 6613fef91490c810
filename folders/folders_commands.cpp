#include "app/command_table.h"
#include "folders/permission_mode_window.h"
#include "folders/share_folder_flow.h"

namespace volmere {

void RegisterFolderCommands(CommandTable& table) {
  table["shareFolderButton"] = ShareFolderFlow;
  table["shareFolderItem"] = ShareFolderFlow;
  table["folderPermissionButton"] = [](AppContext& ctx) { PermissionModeWindow(ctx).Open(); };
}

}  // namespace volmere
