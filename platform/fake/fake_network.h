// The scripted substitute for NetworkServices: a neighbourhood of workgroups,
// computers and shares, names with addresses, local addresses, and per-host
// ping answers with a delay. A test can hold the pings of a host until it
// releases them, to stage races deterministically.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

#include "platform/network_services.h"

namespace volmere {

class FakeNetwork : public NetworkServices {
 public:
  std::vector<Text> ListWorkgroups() override;
  std::vector<Text> ListComputers(const Text& workgroup) override;
  std::vector<Text> ListShares(const Text& computer) override;
  Text ResolveAddress(const Text& name) override;
  std::vector<Text> ListLocalAddresses() override;
  int PingHost(const Text& host, int timeoutMs = kDefaultPingTimeoutMs) override;

  // --- Script ---
  void AddWorkgroup(const Text& workgroup, std::vector<Text> computers);
  void SetShares(const Text& computer, std::vector<Text> paths);
  void SetAddress(const Text& name, const Text& address);
  void SetLocalAddresses(std::vector<Text> addresses);
  // A host that answers after delayMs with the time `ms`; hosts not set do not
  // answer and return -1 at once.
  void SetPingAnswer(const Text& host, int ms, int delayMs = 0);
  // Every ping of this host waits until ReleasePings(host).
  void HoldPings(const Text& host);
  void ReleasePings(const Text& host);
  void ReleaseAllPings();
  // Waits until `count` pings of the host are under way or done.
  void WaitForPings(const Text& host, int count);

  // --- Record ---
  struct Ping {
    Text host;
    int timeoutMs;
  };
  std::vector<Ping> Pings();
  std::vector<Text> Resolved();

 private:
  struct Answer {
    int ms;
    int delayMs;
  };
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::pair<Text, std::vector<Text>>> workgroups_;
  std::map<Text, std::vector<Text>> shares_;
  std::map<Text, Text> addresses_;
  std::vector<Text> localAddresses_;
  std::map<Text, Answer> answers_;
  std::map<Text, bool> held_;
  std::vector<Ping> pings_;
  std::vector<Text> resolved_;
};

}  // namespace volmere
