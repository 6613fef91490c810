// What start-up does on its worker: the caption from the company and
// computer names, the two switches restored from the preferences, and the
// workgroup found by a hidden "net config workstation".
#pragma once

#include <functional>

#include "app/app_context.h"

namespace volmere {

// The workgroup that "net config workstation" names, "" when it names none.
Text WorkgroupProbe(SystemServices& sys);

// Runs on a worker of its own, started from MainWindow's creation and again
// after a change of workgroup. The list's first pass starts only once the
// computer name and the workgroup are in SessionState, which it reads.
void StartupWorker(AppContext& ctx, const std::function<void(AppContext&)>& startOwnWorkgroupPass);

}  // namespace volmere
