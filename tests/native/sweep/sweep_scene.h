// A fake system with MainWindow open and PingSweepWindow opened from its
// button; the user's actions run while the modal window is open.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "app/app_context.h"
#include "app/command_table.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {

struct SweepScene {
  SweepScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, bareEvents, false);
  }
  // Workers hold the context; they end before it does.
  ~SweepScene() {
    network.ReleaseAllPings();
    fake.WaitForWorkers();
  }

  void Run(const Text& command) {
    CommandTable table;
    RegisterPingSweepCommands(table);
    ASSERT_TRUE(table.count(command)) << command;
    table[command](ctx);
  }

  // Opens the window from MainWindow's button; `user` acts once the local
  // addresses are in. Whatever the user leaves open is closed without asking.
  void WithSweepOpen(std::function<void(WindowId)> user) {
    fake.OnWindowOpened("PingSweepWindow", [this, user](FakeSystem& f, WindowId w) {
      f.WaitForWorkers();
      user(w);
      if (f.IsWindowOpen(w)) f.CloseWindow(w);
    });
    Run("pingSweepButton");
  }

  // The loopback range, typed into the boxes.
  void TypeLoopbackRange(WindowId w, const Text& third = "0") {
    fake.Type(w, "octet1Edit", "127");
    fake.Type(w, "octet2Edit", "0");
    fake.Type(w, "octet3Edit", third);
  }

  // A sweep run to its end.
  void Sweep(WindowId w) {
    fake.Click(w, "sweepButton");
    fake.WaitForWorkers();
  }

  int Rows(WindowId w) { return fake.ListCount(w, "sweepList"); }

  void WaitForRows(WindowId w, int rows) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Rows(w) != rows && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_EQ(Rows(w), rows);
  }

  std::vector<Text> ComputerList() { return fake.ListTexts(ctx.mainWindow, "computerList"); }

  FakeSystem fake;
  FakeNetwork network;
  WindowEvents bareEvents;
  AppContext ctx;
};

inline Text HostAddress(const Text& prefix, int host) {
  return prefix + "." + std::to_string(host);
}

inline std::vector<Text> Sorted(std::vector<Text> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

}  // namespace volmere
