// The two passes that fill the computer list: this computer and its own
// workgroup, then every other workgroup, ending with the saved listing.
#pragma once

#include "app/app_context.h"

namespace volmere {

// Start-up's listing, with no handle kept: nothing stops it.
void StartOwnWorkgroupPass(AppContext& ctx);

// Worker routines; the argument is not read.
void OwnWorkgroupPass(AppContext& ctx);
// Skips the workgroup its own-workgroup pass listed.
void OtherWorkgroupsPass(AppContext& ctx, const Text& ownWorkgroup);

}  // namespace volmere
