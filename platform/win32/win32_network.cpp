#include "platform/win32/win32_network.h"

#include <cstring>

#include "platform/win32/icmp_ping.h"
#include "platform/win32/network_enumeration.h"

namespace volmere {
namespace {

constexpr std::size_t kMaxProviders = 256;
constexpr std::size_t kMaxWorkgroups = 4096;
constexpr std::size_t kMaxComputers = 10240;
constexpr std::size_t kMaxWorkgroupsConsulted = 2560;
constexpr std::size_t kMaxShares = 10240;
constexpr std::size_t kMaxComputersConsulted = 2048;
constexpr std::size_t kMaxLocalAddresses = 10;
constexpr std::size_t kMaxResolvedNameBytes = 99;

void AddUpTo(std::vector<Text>* list, std::size_t capacity, Text text) {
  if (list->size() < capacity) list->push_back(std::move(text));
}

// The record that opens a provider's or a workgroup's list of containers.
NETRESOURCEA ContainerRecord() {
  NETRESOURCEA record{};
  record.dwScope = RESOURCE_CONNECTED;
  record.dwType = 0;
  record.dwDisplayType = RESOURCEDISPLAYTYPE_SERVER;
  record.dwUsage = RESOURCEUSAGE_CONTAINER;
  return record;
}

std::vector<Text> ListProviders(NetworkEnumeration& walk) {
  std::vector<Text> providers;
  walk.Enumerate(RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER, nullptr,
                 [&](const NETRESOURCEA& item) {
                   const char* name = item.lpRemoteName ? item.lpRemoteName : item.lpProvider;
                   if (name) AddUpTo(&providers, kMaxProviders, name);
                 });
  return providers;
}

std::vector<Text> WorkgroupsOf(NetworkEnumeration& walk) {
  std::vector<Text> workgroups;
  for (const Text& provider : ListProviders(walk)) {
    NETRESOURCEA record = ContainerRecord();
    record.lpProvider = const_cast<char*>(provider.c_str());
    walk.Enumerate(RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER, &record,
                   [&](const NETRESOURCEA& item) {
                     if (item.lpRemoteName) AddUpTo(&workgroups, kMaxWorkgroups, item.lpRemoteName);
                   });
  }
  return workgroups;
}

std::vector<Text> ComputersOf(NetworkEnumeration& walk, const Text& workgroup) {
  std::vector<Text> containers;
  if (workgroup.empty()) {
    containers = WorkgroupsOf(walk);
    if (containers.size() > kMaxWorkgroupsConsulted) containers.resize(kMaxWorkgroupsConsulted);
  } else {
    containers.push_back(workgroup);
  }
  std::vector<Text> computers;
  for (const Text& container : containers) {
    NETRESOURCEA record = ContainerRecord();
    record.lpRemoteName = const_cast<char*>(container.c_str());
    walk.Enumerate(RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER, &record,
                   [&](const NETRESOURCEA& item) {
                     // A server's name begins with two backslashes; a name too
                     // short to have them names no computer.
                     if (!item.lpRemoteName) return;
                     Text name = item.lpRemoteName;
                     if (name.size() > 2) AddUpTo(&computers, kMaxComputers, name.substr(2));
                   });
  }
  return computers;
}

// The first IPv4 address of a host name. An empty name would give this
// computer's own address, and a name longer than a host name can be would
// have to be cut into another name: neither is looked up.
bool LookUp(const Text& name, in_addr* address) {
  if (name.empty() || name.size() > kMaxResolvedNameBytes) return false;
  hostent* host = gethostbyname(name.c_str());
  if (!host || host->h_addrtype != AF_INET || !host->h_addr_list[0]) return false;
  std::memcpy(address, host->h_addr_list[0], sizeof *address);
  return true;
}

}  // namespace

std::vector<Text> Win32Network::ListWorkgroups() {
  NetworkEnumeration walk;
  return WorkgroupsOf(walk);
}

std::vector<Text> Win32Network::ListComputers(const Text& workgroup) {
  NetworkEnumeration walk;
  return ComputersOf(walk, workgroup);
}

std::vector<Text> Win32Network::ListShares(const Text& computer) {
  NetworkEnumeration walk;
  std::vector<Text> containers;
  if (computer.empty()) {
    containers = ComputersOf(walk, "");
    if (containers.size() > kMaxComputersConsulted) containers.resize(kMaxComputersConsulted);
  } else {
    containers.push_back(computer);
  }
  std::vector<Text> shares;
  for (const Text& container : containers) {
    Text server = container.find('\\') == Text::npos ? "\\\\" + container : container;
    NETRESOURCEA record{};
    record.lpRemoteName = const_cast<char*>(server.c_str());
    walk.Enumerate(RESOURCETYPE_ANY, RESOURCEUSAGE_CONNECTABLE, &record,
                   [&](const NETRESOURCEA& item) {
                     if (item.lpRemoteName) AddUpTo(&shares, kMaxShares, item.lpRemoteName);
                   });
  }
  return shares;
}

Text Win32Network::ResolveAddress(const Text& name) {
  in_addr address;
  if (!LookUp(name, &address)) return "";
  return inet_ntoa(address);
}

std::vector<Text> Win32Network::ListLocalAddresses() {
  std::vector<Text> addresses;
  char name[256] = {};
  if (gethostname(name, sizeof name) != 0) return addresses;
  hostent* host = gethostbyname(name);
  if (!host || host->h_addrtype != AF_INET) return addresses;
  for (char** entry = host->h_addr_list; *entry && addresses.size() < kMaxLocalAddresses; ++entry) {
    in_addr address;
    std::memcpy(&address, *entry, sizeof address);
    addresses.push_back(inet_ntoa(address));
  }
  return addresses;
}

int Win32Network::PingHost(const Text& host, int timeoutMs) {
  IcmpEcho echo;
  if (!echo.Find()) return -1;
  // An empty text reads as this computer through either way of resolving.
  if (host.empty()) return -1;
  in_addr address;
  address.s_addr = inet_addr(host.c_str());
  if (address.s_addr == INADDR_NONE && !LookUp(host, &address)) return -1;
  return echo.Send(address.s_addr, timeoutMs);
}

}  // namespace volmere
