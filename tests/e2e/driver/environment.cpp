#include "tests/e2e/driver/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace volmere::e2e {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string ProgramDir() { return Variable("VOLMERE_E2E_PROGRAM_DIR"); }
std::string ToolsDir() { return Variable("VOLMERE_E2E_TOOLS_DIR"); }
std::string ShotsDir() { return Variable("VOLMERE_E2E_SHOTS_DIR"); }

std::string CurrentTestName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  if (!info) return "";
  return std::string(info->test_suite_name()) + "." + info->name();
}

}  // namespace volmere::e2e
