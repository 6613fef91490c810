#include <vector>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"
// After windows.h: shellapi.h needs its types.
#include <objbase.h>
#include <shellapi.h>

namespace volmere {
namespace win32_core {

bool RunCommand(const Text& commandLine, bool wait, bool hidden, int* exitStatus) {
  PROCESS_INFORMATION process{};
  bool started = false;
  // Only the start is the worker's effect: the wait that follows may be long
  // and must not hold the worker's gate against StopWorker.
  WorkerRegistry::PassCurrent([&] {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process) != FALSE;
  });
  if (!started) return false;
  if (wait) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (exitStatus && GetExitCodeProcess(process.hProcess, &code))
      *exitStatus = static_cast<int>(code);
  } else {
    WaitForInputIdle(process.hProcess, 1000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void OpenUrl(const Text& address) {
  WorkerRegistry::PassCurrent([&] {
    // Shell handlers may be COM objects; a thread that already has COM keeps
    // its own apartment (then the call fails harmlessly and is not undone).
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HWND owner = FindWindowA(nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
  });
}

}  // namespace win32_core
}  // namespace volmere
