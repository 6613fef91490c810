// What a click, double click or right click in the computer list does, and
// the list commands of its pop-up menu. Everything here runs on the
// user-interface thread and never waits for a worker.
#pragma once

#include "app/app_context.h"

namespace volmere {

// The command line that opens a computer's shared folders: Internet
// Explorer when the first full stop is the fourth byte (an address such as
// 192.168.1.5), else Windows Explorer.
Text OpenCommand(SystemServices& sys, const Text& entryText);

// A router address also opens the router's web page; an answering entry
// opens its folders, and auto-close then ends the program.
void OpenEntry(AppContext& ctx, int position, const Text& text);

void OnListClick(AppContext& ctx);
void OnListDoubleClick(AppContext& ctx);
void OnListRightClick(AppContext& ctx);

void ShowAddressesCommand(AppContext& ctx);
void ShowNames(AppContext& ctx);

// The address "ping.bat" pings for an entry text: the text itself only when
// it is a dotted IPv4 address, else the name's resolved address; this
// computer's own for "". "" when none is found.
Text PingAddress(AppContext& ctx, const Text& entryText);
void PingSelectedComputer(AppContext& ctx);

}  // namespace volmere
