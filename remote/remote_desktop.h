// Remote desktop sessions to a listed computer, as "administrator", with the
// password asked once per computer and then saved for it.
#pragma once

#include "app/app_context.h"

namespace volmere {

// The command of the list's "remoteDesktopItem".
void OpenRemoteDesktop(AppContext& ctx);

// Writes a new connection file, marks the computer among the client's local
// devices and starts the client on the file without waiting for it.
void StartRemoteSession(SystemServices& sys, const Text& userName, const Text& password,
                        const Text& computer);

}  // namespace volmere
