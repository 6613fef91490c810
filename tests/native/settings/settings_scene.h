// A fake system with MainWindow open (its caption and computer list are what
// the settings change and read) and this computer named PC1 in WORKGROUP.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/app_context.h"
#include "app/command_table.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"
#include "sharing/computer_identity.h"

namespace volmere {

constexpr const char* kCompanyPath = "SOFTWARE\\Volmere\\gsm";
constexpr const char* kNvHostnamePath =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\NV Hostname";
constexpr const char* kHostnamePath =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Hostname";
constexpr std::uint32_t kWindows7 = 0x0106, kWindowsXp = 0x0105;

using Shown = std::pair<Text, int>;  // a message's text and style

struct SettingsScene {
  SettingsScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, mainWindowEvents, false);
    ctx.session.workgroup.Set("WORKGROUP");
    ctx.startStartupWorker = [this] {
      startupWorkerStarts.push_back(static_cast<int>(fake.Commands().size()));
    };
    fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
  }
  // Workers hold the context; they end before it does.
  ~SettingsScene() { fake.WaitForWorkers(); }

  void Run(const Text& command) {
    CommandTable table;
    RegisterSettingsCommands(table);
    ASSERT_TRUE(table.count(command)) << command;
    table[command](ctx);
  }

  // Opens SettingsWindow from its button; `user` acts once the loader has
  // filled the fields.
  void WithSettingsOpen(std::function<void(FakeSystem&, WindowId)> user) {
    fake.OnWindowOpened("SettingsWindow", [user](FakeSystem& f, WindowId w) {
      f.WaitForWorkers();
      user(f, w);
    });
    Run("sharingSettingsButton");
  }

  std::vector<Shown> Messages() {
    std::vector<Shown> shown;
    for (const FakeSystem::Message& m : fake.Messages()) shown.emplace_back(m.text, m.style);
    return shown;
  }
  std::vector<FakeSystem::RegWrite> MachineWrites() {
    std::vector<FakeSystem::RegWrite> writes;
    for (const FakeSystem::RegWrite& w : fake.RegWrites()) {
      if (w.root == RegRoot::LocalMachine) writes.push_back(w);
    }
    return writes;
  }
  std::vector<Text> ComputerNameValues() {
    return {fake.RegReadText(RegRoot::LocalMachine, kComputerNamePath),
            fake.RegReadText(RegRoot::LocalMachine, kNvHostnamePath),
            fake.RegReadText(RegRoot::LocalMachine, kHostnamePath)};
  }
  Text Caption() { return fake.GetText(ctx.mainWindow, ""); }
  Text Company() { return fake.RegReadText(RegRoot::CurrentUser, kCompanyPath); }

  FakeSystem fake;
  FakeNetwork network;
  WindowEvents mainWindowEvents;
  AppContext ctx;
  // For each restart of the start-up worker, how many commands had run by then.
  std::vector<int> startupWorkerStarts;
};

}  // namespace volmere
