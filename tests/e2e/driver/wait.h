// Polling: the program works on its own threads, so every check of its
// windows, files and registry waits for the expected state up to a limit.
#pragma once

#include <functional>

namespace volmere::e2e {

constexpr int kDefaultWaitMs = 15000;

// Calls `done` every 50 ms until it is true or `timeoutMs` has passed; true
// when it became true.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kDefaultWaitMs);

void SleepMs(int ms);

}  // namespace volmere::e2e
