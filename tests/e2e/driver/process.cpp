#include "tests/e2e/driver/process.h"

#include <windows.h>

namespace volmere::e2e {

long RunHidden(const std::string& commandLine, const std::string& folder, int timeoutMs) {
  std::string line = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &info))
    return -1;
  CloseHandle(info.hThread);
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(info.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0)
    GetExitCodeProcess(info.hProcess, &code);
  else
    TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  return static_cast<long>(code);
}

Process::~Process() {
  if (handle_) CloseHandle(handle_);
}

bool Process::Launch(const std::string& exePath, const std::string& folder) {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
  std::string commandLine = "\"" + exePath + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info))
    return false;
  CloseHandle(info.hThread);
  handle_ = info.hProcess;
  id_ = info.dwProcessId;
  WaitForInputIdle(handle_, 5000);
  return true;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(int timeoutMs) {
  return handle_ && WaitForSingleObject(handle_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

long Process::ExitCode() const {
  DWORD code = 0;
  if (!handle_ || Running() || !GetExitCodeProcess(handle_, &code)) return -1;
  return static_cast<long>(code);
}

void Process::Kill() {
  if (!Running()) return;
  TerminateProcess(handle_, 1);
  WaitForSingleObject(handle_, 5000);
}

}  // namespace volmere::e2e
