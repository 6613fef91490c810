#include "platform/fake/fake_network.h"

#include <chrono>
#include <thread>

namespace volmere {
namespace {
Text WithoutLeadingBackslashes(const Text& name) {
  return name.rfind("\\\\", 0) == 0 ? name.substr(2) : name;
}
}  // namespace

std::vector<Text> FakeNetwork::ListWorkgroups() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Text> names;
  for (const auto& group : workgroups_) names.push_back(group.first);
  return names;
}

std::vector<Text> FakeNetwork::ListComputers(const Text& workgroup) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Text> names;
  for (const auto& group : workgroups_) {
    if (workgroup.empty() || group.first == workgroup)
      names.insert(names.end(), group.second.begin(), group.second.end());
  }
  return names;
}

std::vector<Text> FakeNetwork::ListShares(const Text& computer) {
  std::vector<Text> computers =
      computer.empty() ? ListComputers("") : std::vector<Text>{WithoutLeadingBackslashes(computer)};
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Text> paths;
  for (const Text& name : computers) {
    auto it = shares_.find(name);
    if (it != shares_.end()) paths.insert(paths.end(), it->second.begin(), it->second.end());
  }
  return paths;
}

Text FakeNetwork::ResolveAddress(const Text& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  resolved_.push_back(name);
  auto it = addresses_.find(name);
  return it == addresses_.end() ? Text() : it->second;
}

std::vector<Text> FakeNetwork::ListLocalAddresses() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Text> first(localAddresses_.begin(),
                          localAddresses_.begin() +
                              static_cast<long>(std::min<std::size_t>(10, localAddresses_.size())));
  return first;
}

int FakeNetwork::PingHost(const Text& host, int timeoutMs) {
  Answer answer{-1, 0};
  {
    std::unique_lock<std::mutex> lock(mutex_);
    pings_.push_back({host, timeoutMs});
    changed_.notify_all();
    changed_.wait(lock, [&] { return !held_[host]; });
    auto it = answers_.find(host);
    if (it == answers_.end()) return -1;
    answer = it->second;
  }
  if (answer.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(answer.delayMs));
  return answer.ms;
}

void FakeNetwork::AddWorkgroup(const Text& workgroup, std::vector<Text> computers) {
  std::lock_guard<std::mutex> lock(mutex_);
  workgroups_.emplace_back(workgroup, std::move(computers));
}

void FakeNetwork::SetShares(const Text& computer, std::vector<Text> paths) {
  std::lock_guard<std::mutex> lock(mutex_);
  shares_[computer] = std::move(paths);
}

void FakeNetwork::SetAddress(const Text& name, const Text& address) {
  std::lock_guard<std::mutex> lock(mutex_);
  addresses_[name] = address;
}

void FakeNetwork::SetLocalAddresses(std::vector<Text> addresses) {
  std::lock_guard<std::mutex> lock(mutex_);
  localAddresses_ = std::move(addresses);
}

void FakeNetwork::SetPingAnswer(const Text& host, int ms, int delayMs) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_[host] = {ms, delayMs};
}

void FakeNetwork::HoldPings(const Text& host) {
  std::lock_guard<std::mutex> lock(mutex_);
  held_[host] = true;
}

void FakeNetwork::ReleasePings(const Text& host) {
  std::lock_guard<std::mutex> lock(mutex_);
  held_[host] = false;
  changed_.notify_all();
}

void FakeNetwork::ReleaseAllPings() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& entry : held_) entry.second = false;
  changed_.notify_all();
}

void FakeNetwork::WaitForPings(const Text& host, int count) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] {
    int seen = 0;
    for (const Ping& ping : pings_) seen += ping.host == host ? 1 : 0;
    return seen >= count;
  });
}

std::vector<FakeNetwork::Ping> FakeNetwork::Pings() {
  std::lock_guard<std::mutex> lock(mutex_);
  return pings_;
}

std::vector<Text> FakeNetwork::Resolved() {
  std::lock_guard<std::mutex> lock(mutex_);
  return resolved_;
}

}  // namespace volmere
