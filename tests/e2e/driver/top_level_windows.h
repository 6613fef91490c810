// The top-level windows of a process, found by caption.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace volmere::e2e {

enum class Match { Exact, Prefix, Suffix, Contains };

bool TextMatches(const std::string& text, const std::string& wanted, Match match);

// Every top-level window of the process, visible or not, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);

std::string WindowCaption(HWND window);
std::string WindowClass(HWND window);

// The first visible top-level window of the process whose caption matches;
// nullptr when there is none (yet).
HWND FindTopLevel(DWORD processId, const std::string& caption, Match match = Match::Exact);
HWND WaitForTopLevel(DWORD processId, const std::string& caption, Match match = Match::Exact,
                     int timeoutMs = 15000);

// The outer size of a window, frame and caption bar included.
SIZE OuterSize(HWND window);

}  // namespace volmere::e2e
