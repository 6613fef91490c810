#pragma once

#include "platform/window_layout.h"

namespace volmere {

extern const WindowLayout kPingSweepWindowLayout;

}  // namespace volmere
