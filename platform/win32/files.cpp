#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"

namespace volmere {
namespace win32_core {
namespace {

class OpenFile {
 public:
  OpenFile(const Text& path, DWORD access, DWORD creation)
      : handle_(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            creation, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (ok()) CloseHandle(handle_);
  }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, const Text& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

std::string ReadAll(HANDLE file) {
  std::string bytes;
  char chunk[16384];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  return bytes;
}

Text WithTrailingBackslash(Text dir) {
  if (!dir.empty() && !(dir.back() == '\\' && IsCharacterStart(dir, dir.size() - 1))) dir += '\\';
  return dir;
}

// Asks a Win32 call that fills a buffer and returns the length it needs when
// the buffer is too small, until the buffer is big enough.
template <typename Fill>
Text FilledText(Fill fill) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return "";
    if (length < buffer.size()) return Text(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

std::atomic<std::uint32_t> tempNameCounter{0};

}  // namespace

bool WriteTextFile(const Text& path, const Text& text) {
  if (path.empty()) return false;
  bool ok = false;
  WorkerRegistry::PassCurrent([&] {
    OpenFile file(path, GENERIC_WRITE, CREATE_ALWAYS);
    ok = file.ok() && WriteAll(file.get(), text);
  });
  return ok;
}

Text ReadTextFile(const Text& path) {
  if (path.empty()) return "";
  OpenFile file(path, GENERIC_READ, OPEN_EXISTING);
  if (!file.ok()) return "";
  std::string bytes = ReadAll(file.get());
  return bytes.substr(0, bytes.find('\0'));
}

std::vector<Text> ReadTextLines(const Text& path) {
  std::vector<Text> lines;
  if (path.empty()) return lines;
  OpenFile file(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  if (!file.ok()) return lines;
  Text line;
  bool pending = false;
  for (char c : ReadAll(file.get())) {
    if (c == '\n' || c == '\0' || c == '\x1A') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
      pending = false;
    } else {
      line += c;
      pending = true;
    }
  }
  if (pending) lines.push_back(line);
  return lines;
}

bool DeleteFile(const Text& path) {
  bool ok = false;
  WorkerRegistry::PassCurrent([&] { ok = ::DeleteFileA(path.c_str()) != FALSE; });
  return ok;
}

Text TempDir() {
  return WithTrailingBackslash(
      FilledText([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); }));
}

Text WindowsDir() {
  return WithTrailingBackslash(
      FilledText([](char* buffer, DWORD size) { return GetWindowsDirectoryA(buffer, size); }));
}

Text ProgramDir() {
  std::vector<char> buffer(MAX_PATH + 1);
  DWORD length = 0;
  for (;;) {
    length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return "";
    if (length < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  Text file(buffer.data(), length);
  std::size_t split = Text::npos;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\\' && IsCharacterStart(file, i)) split = i;
  }
  return split == Text::npos ? Text() : file.substr(0, split);
}

Text NewTempFileName() {
  Text dir = TempDir();
  std::uint32_t n = GetTickCount() + tempNameCounter.fetch_add(1);
  for (;;) {
    char name[16];
    std::snprintf(name, sizeof name, "%x.tmp", static_cast<unsigned>(n));
    Text candidate = dir + name;
    if (GetFileAttributesA(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) return candidate;
    ++n;
  }
}

}  // namespace win32_core
}  // namespace volmere
