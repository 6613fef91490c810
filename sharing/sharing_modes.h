// This computer's LAN file sharing: switched on (open, or with a password for
// visitors) or off by generated files that a hidden batch applies, and the
// quick test of whether sharing is on.
#pragma once

#include "platform/system_services.h"

namespace volmere {

// Each mode writes its files into the program's folder, runs its batch hidden
// and waits for it, then deletes the files. It returns true when the mode took
// effect: the batch ran and both control sets' restrictanonymous values read
// back as the mode sets them (0 for the "on" modes, 1 for off). Without
// administrator rights the batch runs but its registry import changes nothing,
// so only the read-back tells.
bool EnableSharingOpen(SystemServices& sys);
bool EnableSharingWithPassword(SystemServices& sys);
bool DisableSharing(SystemServices& sys);

// What a caller that would report success shows, with MsgWarning, when a
// mode did not take effect.
extern const char kSharingModeFailedMessage[];

// True when sharing counts as on: either control set lets anonymous visitors
// in (a missing value counts as letting them in).
bool SharingEnabledProbe(SystemServices& sys);

}  // namespace volmere
