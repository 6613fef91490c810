// A fake system with MainWindow's computer list holding PC1 and one address,
// and helpers to read back what a remote desktop launch wrote.
#pragma once

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/command_table.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {

constexpr const char* kLocalDevices = "Software\\Microsoft\\Terminal Server Client\\LocalDevices\\";

struct RemoteScene {
  RemoteScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, bareEvents, false);
    fake.ListAdd(ctx.mainWindow, "computerList", "PC1", OnlineImage);
    fake.ListAdd(ctx.mainWindow, "computerList", "192.168.1.5", OnlineImage);
  }

  void Select(const Text& entry) {
    const std::vector<Text> texts = fake.ListTexts(ctx.mainWindow, "computerList");
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i] == entry) fake.ListSelect(ctx.mainWindow, "computerList", static_cast<int>(i));
    }
  }

  void Launch() {
    CommandTable table;
    RegisterRemoteCommands(table);
    ASSERT_TRUE(table.count("remoteDesktopItem"));
    table["remoteDesktopItem"](ctx);
  }

  Text PasswordFile(const Text& entry) { return fake.TempDir() + entry + ".txt"; }

  // The connection files written, in order: every write of a .tmp file.
  std::vector<FakeSystem::FileWrite> ConnectionWrites() {
    std::vector<FakeSystem::FileWrite> found;
    for (const FakeSystem::FileWrite& w : fake.FileWrites()) {
      if (w.path.size() > 4 && w.path.compare(w.path.size() - 4, 4, ".tmp") == 0) {
        found.push_back(w);
      }
    }
    return found;
  }

  int WritesTo(const Text& path) {
    int n = 0;
    for (const FakeSystem::FileWrite& w : fake.FileWrites()) n += w.path == path;
    return n;
  }

  FakeSystem fake;
  FakeNetwork network;
  WindowEvents bareEvents;
  AppContext ctx;
};

// The 1-based line of a CR LF text.
inline Text LineOf(const Text& text, int line) {
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) {
    start = text.find("\r\n", start);
    if (start == Text::npos) return "<no such line>";
    start += 2;
  }
  const std::size_t end = text.find("\r\n", start);
  return text.substr(start, end == Text::npos ? Text::npos : end - start);
}

}  // namespace volmere
