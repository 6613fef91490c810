// Win32System's non-window operations: each forwards to win32_core.
#include "platform/win32/win32_core.h"
#include "platform/win32/win32_system.h"

namespace volmere {

Text Win32System::RegReadText(RegRoot root, const Text& path) {
  return win32_core::RegReadText(root, path);
}

std::uint32_t Win32System::RegReadNumber(RegRoot root, const Text& path) {
  return win32_core::RegReadNumber(root, path);
}

bool Win32System::RegWriteText(RegRoot root, const Text& path, const Text& text) {
  return win32_core::RegWriteText(root, path, text);
}

bool Win32System::RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n) {
  return win32_core::RegWriteNumber(root, path, n);
}

bool Win32System::RegValueExists(RegRoot root, const Text& path) {
  return win32_core::RegValueExists(root, path);
}

bool Win32System::WriteTextFile(const Text& path, const Text& text) {
  return win32_core::WriteTextFile(path, text);
}

Text Win32System::ReadTextFile(const Text& path) { return win32_core::ReadTextFile(path); }

std::vector<Text> Win32System::ReadTextLines(const Text& path) {
  return win32_core::ReadTextLines(path);
}

bool Win32System::DeleteFile(const Text& path) { return win32_core::DeleteFile(path); }

Text Win32System::TempDir() { return win32_core::TempDir(); }

Text Win32System::WindowsDir() { return win32_core::WindowsDir(); }

Text Win32System::ProgramDir() { return win32_core::ProgramDir(); }

Text Win32System::NewTempFileName() { return win32_core::NewTempFileName(); }

bool Win32System::RunCommand(const Text& commandLine, bool wait, bool hidden, int* exitStatus) {
  return win32_core::RunCommand(commandLine, wait, hidden, exitStatus);
}

void Win32System::OpenUrl(const Text& address) { win32_core::OpenUrl(address); }

bool Win32System::StartWorker(WorkerRoutine routine, int argument, WorkerHandleVar* handleVar) {
  return win32_core::StartWorker(workers_, std::move(routine), argument, handleVar);
}

void Win32System::StopWorker(WorkerHandle handle) { win32_core::StopWorker(workers_, handle); }

bool Win32System::StopRequested() { return win32_core::StopRequested(); }

std::uint32_t Win32System::WindowsVersionWord() { return win32_core::WindowsVersionWord(); }

std::string Win32System::AnsiToUtf16(const Text& text) { return win32_core::AnsiToUtf16(text); }

std::string Win32System::ProtectForUser(const std::string& data, const Text& description) {
  return win32_core::ProtectForUser(data, description);
}

bool Win32System::UnprotectForUser(const std::string& blob, std::string* data) {
  return win32_core::UnprotectForUser(blob, data);
}

}  // namespace volmere
