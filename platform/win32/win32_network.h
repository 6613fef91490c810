// NetworkServices over mpr.dll, Winsock and icmp.dll. Holds no state: every
// call asks the system afresh. Needs a WinsockSession for the resolver and
// the pings.
#pragma once

#include "platform/network_services.h"

namespace volmere {

class Win32Network final : public NetworkServices {
 public:
  std::vector<Text> ListWorkgroups() override;
  std::vector<Text> ListComputers(const Text& workgroup) override;
  std::vector<Text> ListShares(const Text& computer) override;
  Text ResolveAddress(const Text& name) override;
  std::vector<Text> ListLocalAddresses() override;
  int PingHost(const Text& host, int timeoutMs = kDefaultPingTimeoutMs) override;
};

}  // namespace volmere
