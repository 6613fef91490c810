// A recording stand-in for a Windows tool (net, cacls, secedit, wmic, mstsc,
// ping, a browser). Copied under the tool's name into a scenario's folder, it
// records how it was started and answers from a script beside it:
//   <tool>.log      every command line, as bytes, each followed by CR LF
//   standins.log    the same lines prefixed with "<tool>\t", in the order of all tools
//   <tool>.out      bytes written to standard output (code page 936 text); optional
//   <tool>.exit     the exit code in decimal; optional, 0 when missing
// The tool's name is this file's own name without ".exe", in lower case.
#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

std::string OwnPath() {
  char path[MAX_PATH * 2];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

std::string ReadWholeFile(const std::string& path, bool* found) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  *found = file != INVALID_HANDLE_VALUE;
  std::string bytes;
  if (!*found) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

// Several stand-ins may run at once (a batch starting tools in a pipe), and
// another process may be reading the log: retry while the file is busy.
void AppendToFile(const std::string& path, const std::string& bytes) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(file);
      return;
    }
    Sleep(10);
  }
}

void WriteToStdout(const std::string& bytes) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                   nullptr) ||
        written == 0)
      return;
    done += written;
  }
}

}  // namespace

int main() {
  const std::string path = OwnPath();
  const size_t slash = path.find_last_of("\\/");
  const std::string folder = path.substr(0, slash + 1);
  std::string tool = path.substr(slash + 1);
  if (tool.size() > 4 && _stricmp(tool.c_str() + tool.size() - 4, ".exe") == 0)
    tool.resize(tool.size() - 4);
  for (char& c : tool) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

  const std::string commandLine = GetCommandLineA();
  HANDLE lock = CreateMutexA(nullptr, FALSE, "volmere-e2e-standin-log");
  if (lock) WaitForSingleObject(lock, 5000);
  AppendToFile(folder + tool + ".log", commandLine + "\r\n");
  AppendToFile(folder + "standins.log", tool + "\t" + commandLine + "\r\n");
  if (lock) {
    ReleaseMutex(lock);
    CloseHandle(lock);
  }

  bool found = false;
  const std::string output = ReadWholeFile(folder + tool + ".out", &found);
  if (found) WriteToStdout(output);
  const std::string exitText = ReadWholeFile(folder + tool + ".exit", &found);
  return found ? std::atoi(exitText.c_str()) : 0;
}
