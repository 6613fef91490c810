// What the logic learns about the LAN. Every operation blocks its caller and
// is safe to call from many threads at once; failure shows only as an empty
// list, an empty text or -1.
#pragma once

#include <vector>

#include "platform/text.h"

namespace volmere {

constexpr int kDefaultPingTimeoutMs = 10000;

class NetworkServices {
 public:
  virtual ~NetworkServices() = default;
  virtual std::vector<Text> ListWorkgroups() = 0;
  // "" lists every workgroup's computers, workgroup after workgroup.
  virtual std::vector<Text> ListComputers(const Text& workgroup) = 0;
  // Full paths such as \\PC1\docs; "" lists every computer's shares.
  virtual std::vector<Text> ListShares(const Text& computer) = 0;
  virtual Text ResolveAddress(const Text& name) = 0;
  virtual std::vector<Text> ListLocalAddresses() = 0;
  // Round-trip milliseconds (0 or more), or -1 for no answer.
  virtual int PingHost(const Text& host, int timeoutMs = kDefaultPingTimeoutMs) = 0;
};

}  // namespace volmere
