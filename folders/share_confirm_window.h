// The window in which the user confirms or changes the proposed share name
// and chooses between full control and read-only access.
#pragma once

#include "platform/system_services.h"

namespace volmere {

struct ShareRequest {
  Text shareName;  // "" when the window was cancelled or closed
  bool fullControl = true;
};

// Opens ShareConfirmWindow modally with the proposed name; returns what the
// user chose once it has closed.
ShareRequest AskShareRequest(SystemServices& sys, const Text& proposedName);

}  // namespace volmere
