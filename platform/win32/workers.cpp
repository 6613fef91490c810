#include <memory>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"

namespace volmere {
namespace win32_core {
namespace {

// Hundreds of workers run at once (a ping sweep starts 255), so each reserves
// little address space; the stack still grows on demand up to this size.
constexpr SIZE_T kWorkerStackReservation = 64 * 1024;

struct WorkerStart {
  WorkerRegistry* registry;
  std::shared_ptr<WorkerGate> gate;
  WorkerRoutine routine;
  int argument;
};

DWORD WINAPI RunWorker(LPVOID parameter) {
  std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
  WorkerRegistry::BindCurrent(start->gate);
  start->routine(start->argument);
  WorkerRegistry::BindCurrent(nullptr);
  start->registry->Forget(start->gate->handle());
  return 0;
}

}  // namespace

bool StartWorker(WorkerRegistry& registry, WorkerRoutine routine, int argument,
                 WorkerHandleVar* handleVar) {
  bool started = false;
  WorkerRegistry::PassCurrent([&] {
    auto start = std::make_unique<WorkerStart>(
        WorkerStart{&registry, registry.Create(), std::move(routine), argument});
    WorkerHandle handle = start->gate->handle();
    // Suspended, so that the handle reaches the caller's variable before the
    // routine runs, and only when the thread exists.
    HANDLE thread = CreateThread(nullptr, kWorkerStackReservation, &RunWorker, start.get(),
                                 CREATE_SUSPENDED | STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread) {
      registry.Forget(handle);
      return;
    }
    start.release();
    if (handleVar) handleVar->store(handle);
    ResumeThread(thread);
    CloseHandle(thread);
    started = true;
  });
  return started;
}

void StopWorker(WorkerRegistry& registry, WorkerHandle handle) {
  if (handle) registry.Stop(handle);
}

bool StopRequested() {
  std::shared_ptr<WorkerGate> gate = WorkerRegistry::Current();
  return gate && gate->stopped();
}

}  // namespace win32_core
}  // namespace volmere
