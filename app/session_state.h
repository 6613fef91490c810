// Process-wide values several parts of the program share.
#pragma once

#include <atomic>
#include <memory>

#include "platform/system_services.h"

namespace volmere {

// A text that workers read while another thread may replace it: readers get
// the old or the new text whole, never a half-written one.
class SharedText {
 public:
  Text Get() const {
    std::shared_ptr<const Text> current = std::atomic_load(&value_);
    return current ? *current : Text();
  }
  void Set(Text text) {
    std::atomic_store(&value_,
                      std::shared_ptr<const Text>(std::make_shared<Text>(std::move(text))));
  }

 private:
  std::shared_ptr<const Text> value_;
};

struct SessionState {
  SharedText computerName;
  SharedText workgroup;
  std::atomic<bool> doubleClickOpens{false};
  WorkerHandleVar otherWorkgroupsWorker{0};
  WorkerHandleVar refreshWorker{0};
};

}  // namespace volmere
