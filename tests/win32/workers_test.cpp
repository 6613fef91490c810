// mingw's inline NtCurrentTeb reads the TEB through a zero-length array,
// which -Warray-bounds flags at -O2; the code is the system header's own.
#pragma GCC diagnostic ignored "-Warray-bounds"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/win32/win32_core.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

using namespace win32_core;

// Workers may still be leaving after they signal, so the registry lives for
// the whole run.
WorkerRegistry& Registry() {
  static WorkerRegistry* registry = new WorkerRegistry;
  return *registry;
}

TEST(Workers, HandleIsStoredBeforeTheRoutineRuns) {
  WorkerHandleVar handle{0};
  std::atomic<WorkerHandle> seen{0};
  std::atomic<int> argument{0};
  Event done;
  ASSERT_TRUE(StartWorker(
      Registry(),
      [&](int n) {
        seen = handle.load();
        argument = n;
        done.Set();
      },
      7, &handle));
  ASSERT_TRUE(done.WaitFor());
  EXPECT_NE(seen.load(), 0u);
  EXPECT_EQ(seen.load(), handle.load());
  EXPECT_EQ(argument.load(), 7);
}

TEST(Workers, StoppedWorkerMakesNoFurtherChange) {
  ScratchDir dir;
  Text file = dir.path() + "late.txt";
  WorkerHandleVar handle{0};
  Event started, go, done;
  std::atomic<bool> wrote{true}, stopSeen{false}, childStarted{true};
  ASSERT_TRUE(StartWorker(
      Registry(),
      [&](int) {
        started.Set();
        go.WaitFor();
        stopSeen = StopRequested();
        wrote = WriteTextFile(file, "late");
        childStarted = StartWorker(
            Registry(), [](int) {}, 0, nullptr);
        done.Set();
      },
      0, &handle));
  ASSERT_TRUE(started.WaitFor());
  EXPECT_FALSE(StopRequested());  // this thread is no worker
  StopWorker(Registry(), handle.load());
  go.Set();
  ASSERT_TRUE(done.WaitFor());
  EXPECT_TRUE(stopSeen.load());
  EXPECT_FALSE(wrote.load());
  EXPECT_FALSE(childStarted.load());
  EXPECT_FALSE(FileExists(file));
}

TEST(Workers, StoppingAnEndedOrEmptyHandleChangesNothing) {
  WorkerHandleVar first{0};
  Event ended;
  ASSERT_TRUE(StartWorker(
      Registry(), [&](int) { ended.Set(); }, 0, &first));
  ASSERT_TRUE(ended.WaitFor());
  Sleep(50);  // let it leave the registry
  StopWorker(Registry(), first.load());
  StopWorker(Registry(), 0);

  ScratchDir dir;
  Text file = dir.path() + "next.txt";
  WorkerHandleVar second{0};
  Event done;
  std::atomic<bool> wrote{false};
  ASSERT_TRUE(StartWorker(
      Registry(),
      [&](int) {
        wrote = WriteTextFile(file, "ok");
        done.Set();
      },
      0, &second));
  ASSERT_TRUE(done.WaitFor());
  EXPECT_NE(second.load(), first.load());
  EXPECT_TRUE(wrote.load());
  EXPECT_EQ(RawBytes(file), "ok");
}

TEST(Workers, TwoHundredFiftyFiveRunAtOnce) {
  const int kWorkers = 255;
  std::atomic<int> running{0}, finished{0};
  Event allRunning, allFinished;
  for (int i = 0; i < kWorkers; ++i) {
    ASSERT_TRUE(StartWorker(
        Registry(),
        [&](int) {
          if (++running == kWorkers) allRunning.Set();
          allRunning.WaitFor(30000);
          if (++finished == kWorkers) allFinished.Set();
        },
        i, nullptr));
  }
  EXPECT_TRUE(allRunning.WaitFor(30000));
  EXPECT_TRUE(allFinished.WaitFor(30000));
}

// Windows reserves what the worker asks for; Wine reserves at least 1 MiB.
// Both stay below the program's own default, which a worker would get if the
// size were taken as the amount to commit.
TEST(Workers, ReserveLessStackThanTheProgramDefault) {
  auto* image = reinterpret_cast<const char*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  const std::size_t programDefault = nt->OptionalHeader.SizeOfStackReserve;

  std::atomic<std::size_t> reserved{0};
  Event done;
  ASSERT_TRUE(StartWorker(
      Registry(),
      [&](int) {
        int local = 0;
        MEMORY_BASIC_INFORMATION region;
        VirtualQuery(&local, &region, sizeof region);
        auto* tib = reinterpret_cast<NT_TIB*>(NtCurrentTeb());
        reserved = static_cast<std::size_t>(static_cast<char*>(tib->StackBase) -
                                            static_cast<char*>(region.AllocationBase));
        done.Set();
      },
      0, nullptr));
  ASSERT_TRUE(done.WaitFor());
  EXPECT_GE(reserved.load(), 64u * 1024);
  EXPECT_LT(reserved.load(), programDefault);
}

}  // namespace
}  // namespace volmere
