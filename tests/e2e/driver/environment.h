// Where a scenario's things are. The scenario runner (run-scenario.sh) makes
// them fresh for every scenario and passes them in the environment.
#pragma once

#include <string>

namespace volmere::e2e {

// The program's folder (volmere.exe and the tool stand-ins), no trailing
// backslash: VOLMERE_E2E_PROGRAM_DIR.
std::string ProgramDir();

// The folder of the stand-ins that are not in the program's folder (the
// browser the shell opens web pages and .html files with):
// VOLMERE_E2E_TOOLS_DIR.
std::string ToolsDir();

// Where screenshots go: VOLMERE_E2E_SHOTS_DIR.
std::string ShotsDir();

// "Suite.Test" of the running test.
std::string CurrentTestName();

}  // namespace volmere::e2e
