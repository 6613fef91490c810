#include "tests/e2e/driver/wait.h"

#include <windows.h>

namespace volmere::e2e {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return done();
    Sleep(50);
  }
}

void SleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

}  // namespace volmere::e2e
