#include "platform/win32/network_enumeration.h"

#include <algorithm>

namespace volmere {

void NetworkEnumeration::Enumerate(DWORD type, DWORD usage, NETRESOURCEA* container,
                                   const std::function<void(const NETRESOURCEA& item)>& onItem) {
  HANDLE enumeration = nullptr;
  if (WNetOpenEnumA(RESOURCE_GLOBALNET, type, usage, container, &enumeration) != NO_ERROR) return;
  for (;;) {
    std::fill(buffer_.begin(), buffer_.end(), 0);
    DWORD count = 0xFFFFFFFF;  // as many as fit
    DWORD size = kBufferBytes;
    if (WNetEnumResourceA(enumeration, &count, buffer_.data(), &size) != NO_ERROR) break;
    // A provider that reports success with nothing would otherwise hold the
    // walk here for ever.
    if (count == 0) break;
    const auto* items = reinterpret_cast<const NETRESOURCEA*>(buffer_.data());
    for (DWORD i = 0; i < count; ++i) onItem(items[i]);
  }
  WNetCloseEnum(enumeration);
}

}  // namespace volmere
