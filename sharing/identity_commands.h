// MainWindow's two menu commands that change this computer's identity
// without SettingsWindow: its name and the company name of the caption.
#pragma once

#include "app/app_context.h"

namespace volmere {

void RenameComputer(AppContext& ctx);
void ChangeCompanyName(AppContext& ctx);

}  // namespace volmere
