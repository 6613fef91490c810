// Screenshots of the whole (virtual) screen, taken by the scenario runner on
// the host: the driver asks by writing "<name>.request" into the shots folder
// and waits for "<name>.png".
#pragma once

#include <string>

namespace volmere::e2e {

// Saves "<Suite.Test>-<label>.png" in the shots folder; false when no
// picture came within the time limit (no runner watching, for example).
bool TakeScreenshot(const std::string& label);

}  // namespace volmere::e2e
