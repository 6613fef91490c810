#include "lan/ping_sweep_window.h"

#include <gtest/gtest.h>

#include <set>

#include "sweep_scene.h"

namespace volmere {
namespace {

constexpr const char* kHint1 = "多线程ping获取主机，响应时间将在栏显示。";
constexpr const char* kHint2 = "如果有些计算机获取不到，请增大超时时间";

TEST(PingSweepWindow, OpensFromButtonAndMenuItemWithTheFirstLocalAddress) {
  for (const Text command : {"pingSweepButton", "pingSweepItem"}) {
    SCOPED_TRACE(command);
    SweepScene scene;
    scene.network.SetLocalAddresses({"192.168.1.20", "10.0.0.5"});
    scene.fake.OnWindowOpened("PingSweepWindow", [&](FakeSystem& f, WindowId w) {
      f.WaitForWorkers();
      EXPECT_TRUE(f.IsModal(w));
      EXPECT_EQ(f.ComboItems(w, "localAddressCombo"),
                (std::vector<Text>{"192.168.1.20", "10.0.0.5"}));
      EXPECT_EQ(f.ComboSelectedText(w, "localAddressCombo"), "192.168.1.20");
      EXPECT_EQ(f.GetText(w, "octet1Edit"), "192");
      EXPECT_EQ(f.GetText(w, "octet2Edit"), "168");
      EXPECT_EQ(f.GetText(w, "octet3Edit"), "1");
      EXPECT_EQ(f.ListTexts(w, "sweepList"), (std::vector<Text>{kHint1, kHint2}));
      EXPECT_TRUE(f.IsTextSelected(w, "octet1Edit"));

      f.PickComboItem(w, "localAddressCombo", 1);
      EXPECT_EQ(f.GetText(w, "octet1Edit"), "10");
      EXPECT_EQ(f.GetText(w, "octet2Edit"), "0");
      EXPECT_EQ(f.GetText(w, "octet3Edit"), "0");

      // A fresh window closes at once.
      f.RequestClose(w);
      EXPECT_FALSE(f.IsWindowOpen(w));
    });
    scene.Run(command);
    EXPECT_TRUE(scene.fake.Messages().empty());
  }
}

TEST(PingSweepWindow, EveryOpeningStartsAFreshWindow) {
  SweepScene scene;
  scene.network.SetLocalAddresses({"192.168.1.20"});
  std::vector<WindowId> opened;
  scene.WithSweepOpen([&](WindowId w) {
    opened.push_back(w);
    scene.fake.Type(w, "octet3Edit", "9");
  });
  scene.WithSweepOpen([&](WindowId w) {
    opened.push_back(w);
    EXPECT_EQ(scene.fake.GetText(w, "octet3Edit"), "1");
    EXPECT_EQ(scene.Rows(w), 2);
  });
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_NE(opened[0], opened[1]);
}

TEST(PingSweepWindow, AddressWithoutThreePartsChangesNothing) {
  SweepScene scene;
  scene.network.SetLocalAddresses({"192.168.1.20", "fe80"});
  scene.WithSweepOpen([&](WindowId w) {
    scene.fake.PickComboItem(w, "localAddressCombo", 1);
    EXPECT_EQ(scene.fake.GetText(w, "octet1Edit"), "192");
    EXPECT_EQ(scene.fake.GetText(w, "octet3Edit"), "1");
  });
}

TEST(PingSweepWindow, FocusSelectsTheWholeTextOfTheFourBoxes) {
  SweepScene scene;
  scene.WithSweepOpen([&](WindowId w) {
    for (const Text box : {"octet1Edit", "octet2Edit", "octet3Edit", "timeoutEdit"}) {
      SCOPED_TRACE(box);
      EXPECT_FALSE(scene.fake.IsTextSelected(w, box));
      scene.fake.Focus(w, box);
      EXPECT_TRUE(scene.fake.IsTextSelected(w, box));
    }
    scene.fake.Focus(w, "rangeMarkEdit");
    EXPECT_FALSE(scene.fake.IsTextSelected(w, "rangeMarkEdit"));
  });
}

TEST(PingSweepWindow, WithoutLocalAddressClosesOnlyAfterACompleteSweep) {
  SweepScene scene;
  scene.WithSweepOpen([&](WindowId w) {
    EXPECT_TRUE(scene.fake.ComboItems(w, "localAddressCombo").empty());
    EXPECT_EQ(scene.fake.GetText(w, "octet1Edit"), "");
    EXPECT_EQ(scene.Rows(w), 0);
    scene.fake.RequestClose(w);
    EXPECT_TRUE(scene.fake.IsWindowOpen(w));
    scene.TypeLoopbackRange(w);
    scene.Sweep(w);
    scene.fake.RequestClose(w);
    EXPECT_FALSE(scene.fake.IsWindowOpen(w));
  });
  ASSERT_EQ(scene.fake.Messages().size(), 1u);
  EXPECT_EQ(scene.fake.Messages()[0].text, "请等待线程结束！");
}

TEST(PingSweepWindow, SweepFillsBothListsWithEveryHost) {
  SweepScene scene;
  scene.network.SetLocalAddresses({"192.168.1.20"});
  scene.network.SetPingAnswer("127.0.0.1", 0);
  scene.network.SetPingAnswer("127.0.0.7", 3, 5);
  scene.fake.ListAdd(scene.ctx.mainWindow, "computerList", "PC1", OnlineImage);
  scene.WithSweepOpen([&](WindowId w) {
    scene.TypeLoopbackRange(w);
    scene.Sweep(w);

    std::vector<Text> expected;
    for (int host = 1; host <= 255; ++host) {
      const Text address = HostAddress("127.0.0", host);
      if (host == 1) {
        expected.push_back("IP：" + address + "，响应时间：0毫秒");
      } else if (host == 7) {
        expected.push_back("IP：" + address + "，响应时间：3毫秒");
      } else {
        expected.push_back("IP：" + address + "，访问超时！！");
      }
    }
    EXPECT_EQ(Sorted(scene.fake.ListTexts(w, "sweepList")), Sorted(expected));
    scene.fake.RequestClose(w);
    EXPECT_FALSE(scene.fake.IsWindowOpen(w));
  });
  EXPECT_TRUE(scene.fake.Messages().empty());

  const std::vector<ListEntry> entries =
      scene.fake.ListEntries(scene.ctx.mainWindow, "computerList");
  ASSERT_EQ(entries.size(), 2u);
  for (const ListEntry& e : entries) EXPECT_EQ(e.image, OnlineImage);
  EXPECT_EQ(Sorted(scene.ComputerList()), (std::vector<Text>{"127.0.0.1", "127.0.0.7"}));

  // The slow host answered last, so its text stays.
  const std::vector<Text> status = scene.fake.TextHistory(scene.ctx.mainWindow, "statusLabel");
  ASSERT_EQ(status.size(), 3u);
  EXPECT_EQ(status[0], "已停止获取。。。");
  EXPECT_EQ(status[1], "IP:127.0.0.1   时间：0ms");
  EXPECT_EQ(status[2], "IP:127.0.0.7   时间：3ms");

  std::vector<Text> pinged;
  for (const FakeNetwork::Ping& p : scene.network.Pings()) {
    pinged.push_back(p.host);
    EXPECT_EQ(p.timeoutMs, 100);
  }
  std::vector<Text> hosts;
  for (int host = 1; host <= 255; ++host) hosts.push_back(HostAddress("127.0.0", host));
  EXPECT_EQ(Sorted(pinged), Sorted(hosts));
}

TEST(PingSweepWindow, SweepWithoutAnswersLeavesTheListEmpty) {
  SweepScene scene;
  scene.fake.ListAdd(scene.ctx.mainWindow, "computerList", "PC1", OnlineImage);
  scene.WithSweepOpen([&](WindowId w) {
    scene.TypeLoopbackRange(w);
    scene.Sweep(w);
    EXPECT_EQ(scene.Rows(w), 255);
  });
  EXPECT_TRUE(scene.ComputerList().empty());
  EXPECT_EQ(scene.fake.GetText(scene.ctx.mainWindow, "statusLabel"), "已停止获取。。。");
}

TEST(PingSweepWindow, SweepStopsTheOtherWorkgroupsPass) {
  SweepScene scene;
  std::atomic<bool> stopped{false};
  scene.WithSweepOpen([&](WindowId w) {
    scene.fake.StartWorker(
        [&](int) {
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
          while (!scene.fake.StopRequested() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
          }
          stopped = scene.fake.StopRequested();
        },
        0, &scene.ctx.session.otherWorkgroupsWorker);
    scene.TypeLoopbackRange(w);
    scene.Sweep(w);
  });
  EXPECT_TRUE(stopped);
}

TEST(PingSweepWindow, TimeoutIsReadAsANumberAndNeverNegative) {
  struct Case {
    Text typed;
    int timeoutMs;
  };
  for (const Case& c : {Case{"abc", 0}, Case{"２００", 200}, Case{" 50ms", 50}, Case{"-5", 0},
                        Case{"", 0}, Case{"100", 100}}) {
    SCOPED_TRACE(c.typed);
    SweepScene scene;
    scene.WithSweepOpen([&](WindowId w) {
      scene.TypeLoopbackRange(w);
      scene.fake.Type(w, "timeoutEdit", c.typed);
      scene.Sweep(w);
    });
    std::set<int> timeouts;
    for (const FakeNetwork::Ping& p : scene.network.Pings()) timeouts.insert(p.timeoutMs);
    EXPECT_EQ(timeouts, std::set<int>{c.timeoutMs});
    EXPECT_EQ(scene.network.Pings().size(), 255u);
  }
}

TEST(PingSweepWindow, ClosingRuleAllowsOnlyTwoOrTwoHundredFiftyFiveRows) {
  struct Case {
    int rows;
    bool closes;
  };
  for (const Case& c : {Case{0, false}, Case{1, false}, Case{2, true}, Case{3, false},
                        Case{254, false}, Case{255, true}, Case{256, false}}) {
    SCOPED_TRACE(c.rows);
    SweepScene scene;
    scene.WithSweepOpen([&](WindowId w) {
      for (int i = 0; i < c.rows; ++i) scene.fake.ListAdd(w, "sweepList", "row", -1);
      scene.fake.RequestClose(w);
      EXPECT_EQ(scene.fake.IsWindowOpen(w), !c.closes);
    });
    const std::vector<FakeSystem::Message> shown = scene.fake.Messages();
    if (c.closes) {
      EXPECT_TRUE(shown.empty());
    } else {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].text, "请等待线程结束！");
      EXPECT_EQ(shown[0].style, MsgInformation);
      EXPECT_EQ(shown[0].title, "信息：");
    }
  }
}

TEST(PingSweepWindow, ClosingDuringASweepAsksToWait) {
  SweepScene scene;
  for (int host = 101; host <= 255; ++host) scene.network.HoldPings(HostAddress("127.0.0", host));
  scene.WithSweepOpen([&](WindowId w) {
    scene.TypeLoopbackRange(w);
    scene.fake.Click(w, "sweepButton");
    scene.WaitForRows(w, 100);
    scene.fake.RequestClose(w);
    EXPECT_TRUE(scene.fake.IsWindowOpen(w));
    scene.network.ReleaseAllPings();
    scene.fake.WaitForWorkers();
    scene.fake.RequestClose(w);
    EXPECT_FALSE(scene.fake.IsWindowOpen(w));
  });
  ASSERT_EQ(scene.fake.Messages().size(), 1u);
  EXPECT_EQ(scene.fake.Messages()[0].text, "请等待线程结束！");
}

// The stragglers of the first sweep still ping the range they were given and
// add their rows to the second sweep's.
TEST(PingSweepWindow, SecondSweepBeforeTheFirstEndsKeepsEachSweepsRange) {
  SweepScene scene;
  scene.network.SetPingAnswer("127.0.0.9", 1);
  scene.network.HoldPings("127.0.0.9");
  scene.WithSweepOpen([&](WindowId w) {
    scene.TypeLoopbackRange(w);
    scene.fake.Click(w, "sweepButton");
    scene.WaitForRows(w, 254);

    scene.TypeLoopbackRange(w, "1");
    scene.fake.Click(w, "sweepButton");
    scene.network.WaitForPings("127.0.1.255", 1);
    scene.WaitForRows(w, 255);
    scene.network.ReleasePings("127.0.0.9");
    scene.fake.WaitForWorkers();

    EXPECT_EQ(scene.Rows(w), 256);
    const std::vector<Text> rows = scene.fake.ListTexts(w, "sweepList");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "IP：127.0.0.9，响应时间：1毫秒"), 1);
    scene.fake.RequestClose(w);
    EXPECT_TRUE(scene.fake.IsWindowOpen(w));

    scene.Sweep(w);
    EXPECT_EQ(scene.Rows(w), 255);
    scene.fake.RequestClose(w);
    EXPECT_FALSE(scene.fake.IsWindowOpen(w));
  });
  EXPECT_EQ(scene.ComputerList(), std::vector<Text>{});
}

// The closing rule lets the window go at two rows during a sweep; the host
// workers still held then finish after the window and its object are gone.
TEST(PingSweepWindow, HostFinishingAfterTheWindowClosedStillAddsItsEntry) {
  SweepScene scene;
  scene.network.SetPingAnswer("127.0.0.200", 2);
  for (int host = 3; host <= 255; ++host) scene.network.HoldPings(HostAddress("127.0.0", host));
  WindowId window = 0;
  scene.WithSweepOpen([&](WindowId w) {
    window = w;
    scene.TypeLoopbackRange(w);
    scene.fake.Click(w, "sweepButton");
    scene.network.WaitForPings("127.0.0.255", 1);
    scene.WaitForRows(w, 2);
    scene.fake.RequestClose(w);
    EXPECT_FALSE(scene.fake.IsWindowOpen(w));
  });
  scene.network.ReleaseAllPings();
  scene.fake.WaitForWorkers();
  EXPECT_EQ(scene.ComputerList(), std::vector<Text>{"127.0.0.200"});
  EXPECT_EQ(scene.fake.GetText(scene.ctx.mainWindow, "statusLabel"), "IP:127.0.0.200   时间：2ms");
  EXPECT_EQ(scene.Rows(window), 0);
  EXPECT_TRUE(scene.fake.Messages().empty());
}

}  // namespace
}  // namespace volmere
