// Small Win32 helpers for the contract tests: raw file bytes, a scratch
// folder, and a manual-reset event.
#pragma once

#include <string>

#include "platform/text.h"
#include "platform/win32/win32_headers.h"

namespace volmere {

// The file's bytes, read without the code under test.
std::string RawBytes(const Text& path);
void PutRawBytes(const Text& path, const std::string& bytes);
bool FileExists(const Text& path);

// A fresh empty folder in the temporary directory, its path ending with a
// backslash; removed with its files when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const Text& path() const { return path_; }

 private:
  Text path_;
};

class Event {
 public:
  Event() : handle_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Event() { CloseHandle(handle_); }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  void Set() { SetEvent(handle_); }
  bool WaitFor(DWORD ms = 10000) { return WaitForSingleObject(handle_, ms) == WAIT_OBJECT_0; }

 private:
  HANDLE handle_;
};

}  // namespace volmere
