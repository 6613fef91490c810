// One walk over the network neighbourhood through mpr.dll: opens containers
// and hands out the remote names of their items.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/text.h"
#include "platform/win32/win32_headers.h"
// After windows.h: winnetwk.h needs its types.
#include <winnetwk.h>

namespace volmere {

class NetworkEnumeration {
 public:
  // Every item of the container, round after round, until the enumeration
  // reports its end or any error. A container that does not open gives
  // nothing. The item is only valid during the call of onItem.
  void Enumerate(DWORD type, DWORD usage, NETRESOURCEA* container,
                 const std::function<void(const NETRESOURCEA& item)>& onItem);

 private:
  static constexpr std::size_t kBufferBytes = 8192;
  // 8-byte units keep the records in the buffer aligned.
  std::vector<std::uint64_t> buffer_ = std::vector<std::uint64_t>(kBufferBytes / 8);
};

}  // namespace volmere
