#include "platform/worker_gate.h"

namespace volmere {
namespace {
thread_local std::shared_ptr<WorkerGate> currentGate;
}

std::shared_ptr<WorkerGate> WorkerRegistry::Create() {
  std::lock_guard<std::mutex> lock(mutex_);
  WorkerHandle handle = next_++;
  if (next_ == 0) next_ = 1;
  auto gate = std::make_shared<WorkerGate>(handle);
  running_[handle] = gate;
  return gate;
}

void WorkerRegistry::Stop(WorkerHandle handle) {
  std::shared_ptr<WorkerGate> gate;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = running_.find(handle);
    if (it == running_.end()) return;
    gate = it->second;
  }
  gate->Close();
}

void WorkerRegistry::Forget(WorkerHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  running_.erase(handle);
}

std::shared_ptr<WorkerGate> WorkerRegistry::Current() { return currentGate; }

void WorkerRegistry::BindCurrent(std::shared_ptr<WorkerGate> gate) {
  currentGate = std::move(gate);
}

}  // namespace volmere
