// MainWindow's computer list: its controls, the label of a new entry, and the
// ping worker that turns an answering entry to colour.
#pragma once

#include "app/app_context.h"

namespace volmere {

constexpr const char* kComputerList = "computerList";
constexpr const char* kStatusLabel = "statusLabel";
constexpr const char* kRefreshButton = "refreshButton";

// The label a computer name gets when its entry is added: its address in the
// address view (the name itself when it does not resolve), else the name.
// The view is read afresh for every entry, so switching it mid-pass shows in
// the entries added afterwards.
Text EntryLabel(AppContext& ctx, const Text& name);

// Adds a grey entry at the end and starts its ping worker with the position
// the addition itself returned. False when nothing was added (the calling
// worker has been stopped).
bool AddPendingEntry(AppContext& ctx, const Text& text);

// Worker routine: pings the entry at the 1-based position and marks that same
// entry, by its identity, when the host answers. The list may be cleared or
// relabelled during the echo; a removed entry's answer goes nowhere.
void PingEntry(AppContext& ctx, int position);
void StartPingEntry(AppContext& ctx, int position);

// On the user-interface thread: every entry grey again and pinged anew.
void RepingAllEntries(AppContext& ctx);

void SetRefreshButtonReady(AppContext& ctx);

// The last complete listing, kept for when the neighbourhood shows nothing.
Text LastGoodListPath(SystemServices& sys);

}  // namespace volmere
