// A fake system with MainWindow open, so that statusLabel records its texts.
#pragma once

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {

struct FoldersScene {
  FoldersScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, mainWindowEvents, false);
  }
  // Workers hold the context; they end before it does.
  ~FoldersScene() { fake.WaitForWorkers(); }

  std::vector<Text> CommandLines() {
    std::vector<Text> lines;
    for (const FakeSystem::Command& c : fake.Commands()) lines.push_back(c.commandLine);
    return lines;
  }
  bool AllCommandsHiddenAndWaited() {
    for (const FakeSystem::Command& c : fake.Commands()) {
      if (!c.wait || !c.hidden) return false;
    }
    return true;
  }
  std::vector<Text> StatusTexts() { return fake.TextHistory(ctx.mainWindow, "statusLabel"); }

  FakeSystem fake;
  FakeNetwork network;
  WindowEvents mainWindowEvents;
  AppContext ctx;
};

}  // namespace volmere
