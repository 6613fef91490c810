// Rebuilding the computer list on request, or showing the last complete
// listing when the list is empty.
#pragma once

#include "app/app_context.h"

namespace volmere {

// Worker routine; the argument is not read.
void RefreshComputerList(AppContext& ctx);
void StartRefreshComputerList(AppContext& ctx);

void ReloadLastGoodList(AppContext& ctx);

}  // namespace volmere
