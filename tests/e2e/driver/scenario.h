// The base of every scenario: starts the program from its fresh folder and
// cleans up after it (a last screenshot when it still runs, then its end).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/process.h"

namespace volmere::e2e {

class Scenario : public testing::Test {
 protected:
  void TearDown() override;

  // Starts "<ProgramDir()>\volmere.exe" from ProgramDir(), as a fresh
  // program; a program of this scenario still running is ended first.
  // Fails the test when it cannot be started.
  void StartProgram();

  Process& program() { return program_; }
  // A file of the program's folder.
  std::string ProgramFile(const std::string& name) const;

 private:
  Process program_;
};

}  // namespace volmere::e2e
