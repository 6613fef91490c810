// MainWindow with its logic on a fake system, a scripted neighbourhood, and
// a start-up that finds a chosen computer name and workgroup.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "app/app_context.h"
#include "app/main_window.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {

// The fake neighbourhood with a hook that runs when a workgroup's computers
// are listed, to act in the middle of a pass.
class HookedNetwork : public FakeNetwork {
 public:
  std::vector<Text> ListComputers(const Text& workgroup) override {
    std::function<void(const Text&)> hook;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      hook = hook_;
    }
    if (hook) hook(workgroup);
    return FakeNetwork::ListComputers(workgroup);
  }
  void OnListComputers(std::function<void(const Text&)> hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
  }

 private:
  std::mutex mutex_;
  std::function<void(const Text&)> hook_;
};

// Holds the first pass that lists one workgroup until the test lets it go.
class WorkgroupGate {
 public:
  explicit WorkgroupGate(Text workgroup) : workgroup_(std::move(workgroup)) {}
  void operator()(const Text& workgroup) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (workgroup != workgroup_ || entered_) return;
    entered_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return released_; });
  }
  void WaitUntilEntered() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return entered_; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }

 private:
  Text workgroup_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool entered_ = false;
  bool released_ = false;
};

constexpr const char* kComputerNamePath =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";

struct LanScene {
  LanScene() : ctx(fake, network), window(ctx) {
    fake.SetRegText(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\bz", "不是第一次使用");
    fake.OnCommand("取工作组.bat", [this](const Text&) {
      fake.PutFile(fake.ProgramDir() + "\\works.ini", "工作站域  " + workgroup + "\r\n");
      return 0;
    });
  }
  // Workers hold the context; they end before it does.
  ~LanScene() {
    network.ReleaseAllPings();
    fake.WaitForWorkers();
  }

  // Opens MainWindow; start-up and the first listing run on their workers.
  void Open(const Text& computerName, const Text& ownWorkgroup) {
    fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, computerName);
    workgroup = ownWorkgroup;
    fake.LoadWindow(kMainWindowLayout, window, false);
  }
  void OpenAndList(const Text& computerName, const Text& ownWorkgroup) {
    Open(computerName, ownWorkgroup);
    fake.WaitForWorkers();
  }
  // A list of chosen entries, with the listing's own entries removed.
  void OpenWithEntries(const std::vector<std::pair<Text, int>>& entries) {
    OpenAndList("ME", "WORKGROUP");
    fake.ListRemoveAll(ctx.mainWindow, "computerList");
    for (const auto& entry : entries)
      fake.ListAdd(ctx.mainWindow, "computerList", entry.first, entry.second);
  }

  std::vector<Text> Texts() { return fake.ListTexts(ctx.mainWindow, "computerList"); }
  std::vector<int> Images() {
    std::vector<int> images;
    for (const ListEntry& e : fake.ListEntries(ctx.mainWindow, "computerList"))
      images.push_back(e.image);
    return images;
  }
  Text Status() { return fake.GetText(ctx.mainWindow, "statusLabel"); }
  std::vector<Text> StatusHistory() { return fake.TextHistory(ctx.mainWindow, "statusLabel"); }
  Text RefreshCaption() { return fake.GetText(ctx.mainWindow, "refreshButton"); }
  bool RefreshEnabled() { return fake.IsEnabled(ctx.mainWindow, "refreshButton"); }
  std::vector<Text> PingedHosts() {
    std::vector<Text> hosts;
    for (const FakeNetwork::Ping& p : network.Pings()) hosts.push_back(p.host);
    return hosts;
  }
  std::vector<Text> CommandLines() {
    std::vector<Text> lines;
    for (const FakeSystem::Command& c : fake.Commands())
      if (c.commandLine.find("取工作组.bat") == Text::npos) lines.push_back(c.commandLine);
    return lines;
  }
  Text LastGoodList() { return fake.FileContent("C:\\TEMP\\不通时.txt"); }
  int LastGoodListWrites() {
    int writes = 0;
    for (const FakeSystem::FileWrite& w : fake.FileWrites())
      writes += w.path == "C:\\TEMP\\不通时.txt" ? 1 : 0;
    return writes;
  }
  // For states that only workers held at a gate can reach.
  template <typename Condition>
  void WaitUntil(Condition condition) {
    while (!condition()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  FakeSystem fake;
  HookedNetwork network;
  Text workgroup;
  AppContext ctx;
  MainWindow window;
};

}  // namespace volmere
