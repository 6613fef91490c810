// What every command and worker of the program works with.
#pragma once

#include <functional>

#include "app/session_state.h"
#include "platform/network_services.h"
#include "platform/system_services.h"

namespace volmere {

struct AppContext {
  AppContext(SystemServices& system, NetworkServices& network) : sys(system), net(network) {}
  SystemServices& sys;
  NetworkServices& net;
  SessionState session;
  // Set once by MainWindow's creation handler, before any worker starts.
  WindowId mainWindow = 0;
  // Runs the start-up worker again (after a change of workgroup).
  std::function<void()> startStartupWorker;
};

// The text of the selected computer list entry, "" when none is selected.
Text SelectedEntryText(AppContext& ctx);

}  // namespace volmere
