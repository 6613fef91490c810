// Runs alone in its own process (see CMakeLists.txt): the pings here are the
// first of the process, so icmp.dll is loaded while 64 threads wait for it.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/win32/win32_network.h"

namespace volmere {
namespace {

TEST(PingFirstUse, SixtyFourThreadsPingingFirstTogetherAllGetAnswers) {
  Win32Network net;
  std::mutex mutex;
  std::condition_variable gate;
  bool open = false;
  std::vector<int> results(64, -2);
  std::vector<std::thread> threads;
  for (int i = 0; i < 64; ++i) {
    threads.emplace_back([&, i] {
      {
        std::unique_lock<std::mutex> lock(mutex);
        gate.wait(lock, [&] { return open; });
      }
      results[i] = net.PingHost("127.0.0.1", 2000);
    });
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    open = true;
  }
  gate.notify_all();
  for (std::thread& t : threads) t.join();
  for (int i = 0; i < 64; ++i) EXPECT_GE(results[i], 0) << "thread " << i;
}

}  // namespace
}  // namespace volmere
