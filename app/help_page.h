// The program's help page: a local HTML file beside the program, or in the
// temporary folder when the program's folder is read-only.
#pragma once

#include "app/app_context.h"

namespace volmere {

// Where the help page now is, written there first when it is missing or out
// of date; "" when it can be written nowhere.
Text HelpPageAddress(SystemServices& sys);

void OpenHelpPage(SystemServices& sys);
inline void OpenHelpPage(AppContext& ctx) { OpenHelpPage(ctx.sys); }

}  // namespace volmere
