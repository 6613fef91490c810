#include "tests/e2e/driver/files.h"

#include <windows.h>

namespace volmere::e2e {

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes;
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

void ScriptStandin(const std::string& folder, const std::string& tool, const std::string& output,
                   int exitCode) {
  WriteFileBytes(folder + "\\" + tool + ".out", output);
  WriteFileBytes(folder + "\\" + tool + ".exit", std::to_string(exitCode));
}

std::vector<std::string> StandinCalls(const std::string& folder, const std::string& tool) {
  const std::string log = ReadFileBytes(folder + "\\" + tool + ".log");
  std::vector<std::string> calls;
  size_t start = 0;
  for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2)
    calls.push_back(log.substr(start, end - start));
  return calls;
}

}  // namespace volmere::e2e
