// The program under test as a process of the scenario's prefix.
#pragma once

#include <string>

namespace volmere::e2e {

// Runs a command line as the program's RunCommand does (no application name,
// window hidden) from `folder`, and waits for it; its exit code, or -1 when
// it could not be started or did not end within `timeoutMs`.
long RunHidden(const std::string& commandLine, const std::string& folder, int timeoutMs = 30000);

class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  // Starts `exePath` with `folder` as its current directory, as Explorer
  // starts a program from its folder. False when it could not be started.
  bool Launch(const std::string& exePath, const std::string& folder);

  bool Running() const;
  unsigned long Id() const { return id_; }
  // True when the process has ended within `timeoutMs`.
  bool WaitForExit(int timeoutMs);
  // Its exit code once it has ended; -1 while it runs or when never started.
  long ExitCode() const;
  // Ends it at once (a scenario's clean-up; never part of what is checked).
  void Kill();

 private:
  void* handle_ = nullptr;
  unsigned long id_ = 0;
};

}  // namespace volmere::e2e
