// What SettingsWindow's controls do, each on the window given by its id.
// All of it runs on the user-interface thread except LoadSettingsFields,
// which also runs on the loader worker.
#pragma once

#include "app/app_context.h"

namespace volmere {

constexpr const char* kDenyRemoteDesktopPath =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\fDenyTSConnections";

// Fills the window's fields from the registry and SessionState, and keeps
// the computer name it read in *loadedComputerName.
void LoadSettingsFields(AppContext& ctx, WindowId settings, SharedText* loadedComputerName);

// The sharing mode whose radio button is checked, with its message.
void ApplySharingMode(AppContext& ctx, WindowId settings);

// The batch texts that switch remote desktop connections off and on.
extern const char kRemoteDesktopOffBatch[];
extern const char kRemoteDesktopOnBatch[];
// Runs the off batch and waits for it; the message says whether
// fDenyTSConnections now reads 1.
void DisableRemoteDesktop(SystemServices& sys);
// Starts the on batch without waiting for it.
void EnableRemoteDesktop(SystemServices& sys);

// The one-line wmic batch that moves this computer to the workgroup.
Text WorkgroupBatchText(const Text& workgroup);

// The company name, the caption, a changed computer name and a changed
// workgroup, in this order.
void ApplyIdentityFields(AppContext& ctx, WindowId settings, const Text& loadedComputerName);

// Deletes the saved remote desktop passwords of the listed computers and the
// company name, and resets MainWindow's caption.
void ClearSavedData(AppContext& ctx);

}  // namespace volmere
