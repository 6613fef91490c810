// Relabelling every entry of the computer list with its address.
#pragma once

#include "app/app_context.h"

namespace volmere {

// Worker routine; the argument is not read. Each entry keeps its identity
// and image, so a ping still under way marks the relabelled entry.
void ShowAddresses(AppContext& ctx);

}  // namespace volmere
