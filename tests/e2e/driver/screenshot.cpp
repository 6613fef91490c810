#include "tests/e2e/driver/screenshot.h"

#include "tests/e2e/driver/environment.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/wait.h"

namespace volmere::e2e {

bool TakeScreenshot(const std::string& label) {
  const std::string folder = ShotsDir();
  if (folder.empty()) return false;
  const std::string base = folder + "\\" + CurrentTestName() + "-" + label;
  RemoveFile(base + ".png");
  // Let the program finish painting what it has just been told to show.
  SleepMs(500);
  if (!WriteFileBytes(base + ".request", "")) return false;
  return WaitUntil([&] { return FileExists(base + ".png"); }, 20000);
}

}  // namespace volmere::e2e
