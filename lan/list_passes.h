#pragma once

#include "app/app_context.h"

namespace volmere {

void StartOwnWorkgroupPass(AppContext& ctx);

}  // namespace volmere
