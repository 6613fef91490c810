#include "tests/e2e/driver/scenario.h"

#include <windows.h>

#include "tests/e2e/driver/environment.h"
#include "tests/e2e/driver/screenshot.h"

namespace volmere::e2e {

void Scenario::StartProgram() {
  program_.Kill();
  ASSERT_FALSE(ProgramDir().empty()) << "VOLMERE_E2E_PROGRAM_DIR is not set: run the scenario "
                                        "through tests/e2e/run-scenario.sh";
  ASSERT_TRUE(program_.Launch(ProgramFile("volmere.exe"), ProgramDir()))
      << "cannot start " << ProgramFile("volmere.exe") << " (error " << GetLastError() << ")";
}

std::string Scenario::ProgramFile(const std::string& name) const {
  return ProgramDir() + "\\" + name;
}

void Scenario::TearDown() {
  if (program_.Running()) {
    TakeScreenshot("end");
    program_.Kill();
  }
}

}  // namespace volmere::e2e
