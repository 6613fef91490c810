// Cooperative stopping of workers, shared by the real and the recording
// services.
//
// Each worker has a gate. An effect (a control operation, a file or registry
// write, the start of another worker) passes the gate of the worker making
// it; StopWorker closes the gate under the same lock, so once StopWorker has
// returned no effect of that worker is in progress or still to come. The
// lock is held only for one effect, which never waits for another worker.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "platform/system_services.h"

namespace volmere {

class WorkerGate {
 public:
  explicit WorkerGate(WorkerHandle handle) : handle_(handle) {}
  WorkerHandle handle() const { return handle_; }
  bool stopped() const { return stopped_.load(); }

  // Runs the effect unless the gate is closed; true when it ran.
  template <typename Effect>
  bool Pass(Effect&& effect) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_.load()) return false;
    effect();
    return true;
  }

  void Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_.store(true);
  }

 private:
  WorkerHandle handle_;
  std::atomic<bool> stopped_{false};
  std::mutex mutex_;
};

class WorkerRegistry {
 public:
  // A new gate with a fresh handle, not yet bound to a thread.
  std::shared_ptr<WorkerGate> Create();
  void Stop(WorkerHandle handle);
  void Forget(WorkerHandle handle);  // the worker has ended

  // The gate of the calling thread; null on the user-interface thread and on
  // threads not started as workers.
  static std::shared_ptr<WorkerGate> Current();
  static void BindCurrent(std::shared_ptr<WorkerGate> gate);

  // Runs an effect through the calling thread's gate (directly when the
  // thread is no worker); true when it ran.
  template <typename Effect>
  static bool PassCurrent(Effect&& effect) {
    std::shared_ptr<WorkerGate> gate = Current();
    if (!gate) {
      effect();
      return true;
    }
    return gate->Pass(effect);
  }

 private:
  std::mutex mutex_;
  WorkerHandle next_ = 1;
  std::map<WorkerHandle, std::shared_ptr<WorkerGate>> running_;
};

}  // namespace volmere
