#include "tests/e2e/driver/top_level_windows.h"

#include "tests/e2e/driver/wait.h"

namespace volmere::e2e {
namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

}  // namespace

bool TextMatches(const std::string& text, const std::string& wanted, Match match) {
  switch (match) {
    case Match::Exact:
      return text == wanted;
    case Match::Prefix:
      return text.compare(0, wanted.size(), wanted) == 0;
    case Match::Suffix:
      return text.size() >= wanted.size() &&
             text.compare(text.size() - wanted.size(), wanted.size(), wanted) == 0;
    case Match::Contains:
      return text.find(wanted) != std::string::npos;
  }
  return false;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// For a window of another process GetWindowText reads the caption the
// system keeps, without sending a message that a busy program would have to
// answer.
std::string WindowCaption(HWND window) {
  char text[1024] = "";
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

std::string WindowClass(HWND window) {
  char name[256] = "";
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

HWND FindTopLevel(DWORD processId, const std::string& caption, Match match) {
  for (HWND window : TopLevelWindows(processId))
    if (IsWindowVisible(window) && TextMatches(WindowCaption(window), caption, match))
      return window;
  return nullptr;
}

HWND WaitForTopLevel(DWORD processId, const std::string& caption, Match match, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopLevel(processId, caption, match)) != nullptr; },
            timeoutMs);
  return found;
}

SIZE OuterSize(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace volmere::e2e
