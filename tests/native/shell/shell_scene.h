// A fake system with MainWindow's controls to write to, and a stand-in for
// the workgroup probe's batch.
#pragma once

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {

constexpr const char* kComputerNamePath =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";

struct ShellScene {
  ShellScene() : ctx(fake, network) {
    // Each run of the probe batch appends what "net config workstation"
    // prints, filtered, to works.ini, as the batch's ">>" redirection does.
    fake.OnCommand("取工作组.bat", [this](const Text&) {
      fake.PutFile(WorksFile(), fake.FileContent(WorksFile()) + netConfigOutput);
      return 0;
    });
  }
  // Workers hold the context; they end before it does.
  ~ShellScene() { fake.WaitForWorkers(); }

  // MainWindow's controls without its logic, for running start-up alone.
  void OpenBareMainWindow() {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, bareEvents, false);
  }

  Text WorksFile() { return fake.ProgramDir() + "\\works.ini"; }

  std::vector<Text> Captions() { return fake.TextHistory(ctx.mainWindow, ""); }

  FakeSystem fake;
  FakeNetwork network;
  WindowEvents bareEvents;
  Text netConfigOutput;
  AppContext ctx;
};

}  // namespace volmere
