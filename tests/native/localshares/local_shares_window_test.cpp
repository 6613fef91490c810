#include "folders/local_shares_window.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <mutex>

#include "app/command_table.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"
#include "sharing/computer_identity.h"

namespace volmere {
namespace {

constexpr const char kDeleteFailed[] = "删除共享失败！请以管理员身份运行本软件后再试。";

// A neighbourhood whose next share listing can be held after it has read its
// answer, so that a second listing can be staged while the first is under way.
class HeldShareListing : public FakeNetwork {
 public:
  std::vector<Text> ListShares(const Text& computer) override {
    std::vector<Text> answer = FakeNetwork::ListShares(computer);
    std::unique_lock<std::mutex> lock(mutex_);
    ++listings_;
    if (holdNext_) {
      holdNext_ = false;
      held_ = true;
      changed_.notify_all();
      changed_.wait(lock, [this] { return !held_; });
    }
    changed_.notify_all();
    return answer;
  }
  void HoldNextListing() {
    std::lock_guard<std::mutex> lock(mutex_);
    holdNext_ = true;
  }
  void WaitUntilHeld() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return held_; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    held_ = false;
    changed_.notify_all();
  }
  int Listings() {
    std::lock_guard<std::mutex> lock(mutex_);
    return listings_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool holdNext_ = false;
  bool held_ = false;
  int listings_ = 0;
};

struct LocalSharesScene {
  LocalSharesScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, mainWindowEvents, false);
    fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
    network.SetShares("PC1", {"\\\\PC1\\docs", "\\\\PC1\\music", "\\\\PC1\\tools"});
  }
  ~LocalSharesScene() { fake.WaitForWorkers(); }

  void Run(const Text& command) {
    CommandTable table;
    RegisterLocalSharesCommands(table);
    ASSERT_TRUE(table.count(command)) << command;
    table[command](ctx);
  }
  // Opens the window from its button; `user` acts once the first listing
  // has filled it.
  void WithSharesOpen(std::function<void(FakeSystem&, WindowId)> user) {
    fake.OnWindowOpened("LocalSharesWindow", [user](FakeSystem& f, WindowId w) {
      f.WaitForWorkers();
      user(f, w);
      f.RequestClose(w);
    });
    Run("localSharesButton");
  }

  FakeSystem fake;
  HeldShareListing network;
  WindowEvents mainWindowEvents;
  AppContext ctx;
};

const std::vector<Text> kReversed = {"tools", "music", "docs"};

TEST(ShareNameFromPath, CutsByTheLengthOfTheComputerName) {
  struct Case {
    const char* path;
    const char* computer;
    const char* name;
  };
  const Case cases[] = {
      {"\\\\PC1\\docs", "PC1", "docs"},
      {"\\\\pc1\\docs", "PC1", "docs"},
      {"\\\\财务\\报表 2026", "财务", "报表 2026"},
      {"\\\\PC1\\", "PC1", ""},
      {"\\\\PC1", "PC1", ""},
      {"\\\\PC1\\d", "PC1", "d"},
      {"\\\\SERVER\\docs", "PC1", "ER\\docs"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShareNameFromPath(c.path, c.computer), c.name) << c.path;
}

TEST(LocalSharesWindow, ListsTheSharesNewestFirstAndReadsTheNameAtEachOpening) {
  for (const char* command : {"localSharesButton", "localSharesItem"}) {
    SCOPED_TRACE(command);
    LocalSharesScene s;
    std::vector<Text> rows;
    s.fake.OnWindowOpened("LocalSharesWindow", [&rows](FakeSystem& f, WindowId w) {
      EXPECT_TRUE(f.IsModal(w));
      f.WaitForWorkers();
      rows = f.ListTexts(w, "sharesList");
      f.RequestClose(w);
    });
    s.Run(command);
    EXPECT_EQ(rows, kReversed);

    s.fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC22");
    s.network.SetShares("PC22", {"\\\\PC22\\public"});
    s.Run(command);
    EXPECT_EQ(rows, std::vector<Text>{"public"});
  }
}

TEST(LocalSharesWindow, RefreshListsAgainWithTheSameName) {
  LocalSharesScene s;
  s.WithSharesOpen([&s](FakeSystem& f, WindowId w) {
    f.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC2");
    s.network.SetShares("PC1", {"\\\\PC1\\docs", "\\\\PC1\\新建"});
    f.Click(w, "refreshSharesButton");
    f.WaitForWorkers();
    EXPECT_EQ(f.ListTexts(w, "sharesList"), (std::vector<Text>{"新建", "docs"}));
  });
}

TEST(LocalSharesWindow, DeleteRunsNetShareOnTheSelectedRow) {
  struct Case {
    std::vector<Text> shares;
    int selected;
    Text commandLine;  // "" : nothing runs
    std::vector<Text> rowsAfter;
  };
  const Case cases[] = {
      {{"\\\\PC1\\docs", "\\\\PC1\\music"}, -1, "", {"music", "docs"}},
      {{"\\\\PC1\\docs", "\\\\PC1\\music"}, 1, "net share docs /delete /y", {"music"}},
      {{"\\\\PC1\\My Docs"}, 0, "net share \"My Docs\" /delete /y", {}},
      {{"\\\\PC1\\资料 "}, 0, "net share \"资料 \" /delete /y", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    LocalSharesScene s;
    s.network.SetShares("PC1", c.shares);
    s.WithSharesOpen([&c](FakeSystem& f, WindowId w) {
      f.ListClick(w, "sharesList", c.selected);
      f.Click(w, "deleteShareButton");
      EXPECT_EQ(f.ListTexts(w, "sharesList"), c.rowsAfter);
    });
    std::vector<FakeSystem::Command> commands = s.fake.Commands();
    if (c.commandLine.empty()) {
      EXPECT_TRUE(commands.empty());
    } else {
      ASSERT_EQ(commands.size(), 1u);
      EXPECT_EQ(commands[0].commandLine, c.commandLine);
      EXPECT_TRUE(commands[0].wait);
      EXPECT_TRUE(commands[0].hidden);
    }
    EXPECT_TRUE(s.fake.Messages().empty());
  }
}

TEST(LocalSharesWindow, RefusedDeleteKeepsTheRowAndSaysSo) {
  for (bool starts : {true, false}) {
    LocalSharesScene s;
    if (starts) {
      s.fake.OnCommand("net share", [](const Text&) { return 2; });
    } else {
      s.fake.FailToStart("net share");
    }
    s.WithSharesOpen([](FakeSystem& f, WindowId w) {
      f.ListClick(w, "sharesList", 0);
      f.Click(w, "deleteShareButton");
      EXPECT_EQ(f.ListTexts(w, "sharesList"), kReversed);
    });
    ASSERT_EQ(s.fake.Messages().size(), 1u);
    EXPECT_EQ(s.fake.Messages()[0].text, kDeleteFailed);
    EXPECT_EQ(s.fake.Messages()[0].style, MsgWarning);
  }
}

TEST(LocalSharesWindow, AddShareListsAgainHoweverTheFlowEnds) {
  LocalSharesScene s;
  s.WithSharesOpen([&s](FakeSystem& f, WindowId w) {
    s.network.SetShares("PC1", {"\\\\PC1\\docs"});
    f.Click(w, "addShareButton");  // the folder picker is cancelled
    f.WaitForWorkers();
    EXPECT_EQ(f.FolderPickerTitles().size(), 1u);
    EXPECT_EQ(f.ListTexts(w, "sharesList"), std::vector<Text>{"docs"});
  });
  EXPECT_EQ(s.network.Listings(), 2);
}

TEST(LocalSharesWindow, OverlappingListingsEndAsTheNewestComplete) {
  LocalSharesScene s;
  s.network.HoldNextListing();
  s.fake.OnWindowOpened("LocalSharesWindow", [&s](FakeSystem& f, WindowId w) {
    // The opening's listing has its answer and waits; two refreshes follow
    // with another answer.
    s.network.WaitUntilHeld();
    s.network.SetShares("PC1", {"\\\\PC1\\a", "\\\\PC1\\b"});
    f.Click(w, "refreshSharesButton");
    f.Click(w, "refreshSharesButton");
    s.network.Release();
    f.WaitForWorkers();
    EXPECT_EQ(f.ListTexts(w, "sharesList"), (std::vector<Text>{"b", "a"}));
    f.RequestClose(w);
  });
  s.Run("localSharesButton");
}

TEST(LocalSharesWindow, ListingThatOutlivesItsWindowLeavesTheNextOneAlone) {
  LocalSharesScene s;
  s.network.HoldNextListing();
  s.fake.OnWindowOpened("LocalSharesWindow", [&s](FakeSystem& f, WindowId w) {
    s.network.WaitUntilHeld();
    f.RequestClose(w);
  });
  s.Run("localSharesButton");  // its window object is gone now

  s.network.SetShares("PC1", {"\\\\PC1\\new"});
  s.fake.OnWindowOpened("LocalSharesWindow", [&s](FakeSystem& f, WindowId w) {
    s.network.Release();
    f.WaitForWorkers();
    EXPECT_EQ(f.ListTexts(w, "sharesList"), std::vector<Text>{"new"});
    f.RequestClose(w);
  });
  s.Run("localSharesButton");
  EXPECT_EQ(s.network.Listings(), 2);
}

}  // namespace
}  // namespace volmere
