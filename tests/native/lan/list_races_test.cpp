// Refreshes, relabelling and re-pings while passes and pings are under way.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lan/computer_list.h"
#include "lan/refresh.h"
#include "lan/show_addresses.h"
#include "tests/native/lan/lan_scene.h"

namespace volmere {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class ListRacesTest : public ::testing::Test, public LanScene {
 protected:
  // The first listing held while it lists workgroup SLOW, with the ping of
  // PC1 in flight.
  void OpenHeldInOtherWorkgroups() {
    network.AddWorkgroup("WG1", {"ME", "PC1"});
    network.AddWorkgroup("SLOW", {"PC5"});
    network.AddWorkgroup("WG2", {"PC9"});
    network.SetPingAnswer("PC1", 1);
    network.HoldPings("PC1");
    network.OnListComputers([this](const Text& group) { slow(group); });
    Open("ME", "WG1");
    slow.WaitUntilEntered();
    network.WaitForPings("PC1", 1);
  }

  WorkgroupGate slow{"SLOW"};
};

TEST_F(ListRacesTest, ARefreshDuringOtherWorkgroupsStopsThatPassAndOldPingsMissTheNewList) {
  OpenHeldInOtherWorkgroups();
  // Start-up ran again meanwhile and found another workgroup.
  ctx.session.workgroup.Set("WG2");

  RefreshComputerList(ctx);
  WaitUntil([this] { return Status() == "获取完毕!点击可以打开."; });
  slow.Release();
  network.WaitForPings("PC1", 2);
  network.ReleasePings("PC1");
  fake.WaitForWorkers();

  // The stopped pass added nothing after SLOW was listed, and wrote no file;
  // the removed PC1's answer did not mark PC9, which took its position.
  EXPECT_THAT(Texts(), ElementsAre("ME", "PC9", "ME", "PC1", "PC5"));
  EXPECT_THAT(Images(),
              ElementsAre(OnlineImage, PendingImage, PendingImage, OnlineImage, PendingImage));
  EXPECT_EQ(LastGoodList(), "ME\r\nPC9\r\nME\r\nPC1\r\nPC5\r\n");
  EXPECT_EQ(LastGoodListWrites(), 1);
  EXPECT_THAT(fake.TextHistory(ctx.mainWindow, "refreshButton"), Contains("刷新中.."));
  EXPECT_TRUE(RefreshEnabled());
  EXPECT_EQ(RefreshCaption(), "刷新列表");
}

TEST_F(ListRacesTest, ARefreshWithASelectionKeepsTheListAndLeavesThePassStopped) {
  OpenHeldInOtherWorkgroups();
  fake.ListSelect(ctx.mainWindow, "computerList", 1);

  RefreshComputerList(ctx);
  slow.Release();
  network.ReleasePings("PC1");
  fake.WaitForWorkers();

  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1"));
  EXPECT_THAT(Images(), ElementsAre(OnlineImage, OnlineImage));
  EXPECT_THAT(fake.TextHistory(ctx.mainWindow, "refreshButton"),
              ElementsAre("刷新中..", "刷新列表"));
  EXPECT_TRUE(RefreshEnabled());
  EXPECT_EQ(Status(), "获取工作组（SLOW）内计算机。。。");
  EXPECT_EQ(LastGoodListWrites(), 0);
}

TEST_F(ListRacesTest, ALatePingStillMarksTheEntryShowAddressesRelabelled) {
  network.AddWorkgroup("WORKGROUP", {"PC1", "PC2"});
  network.SetAddress("ME", "127.0.0.1");
  network.SetAddress("PC1", "127.0.0.5");
  network.SetPingAnswer("PC1", 3);
  network.HoldPings("PC1");
  Open("ME", "WORKGROUP");
  WaitUntil([this] { return Status() == "获取完毕!点击可以打开."; });
  network.WaitForPings("PC1", 1);

  ShowAddresses(ctx);
  EXPECT_THAT(Texts(), ElementsAre("127.0.0.1", "127.0.0.5", "获取失败"));
  network.ReleasePings("PC1");
  fake.WaitForWorkers();

  EXPECT_THAT(Texts(), ElementsAre("127.0.0.1", "127.0.0.5", "获取失败"));
  EXPECT_THAT(Images(), ElementsAre(OnlineImage, OnlineImage, PendingImage));
  EXPECT_THAT(StatusHistory(), Contains("获取中。。。"));
  EXPECT_EQ(Status(), "获取列表完毕！");
}

TEST_F(ListRacesTest, ShowAddressesKeepsAddressesAndMarksUnresolvedNames) {
  OpenWithEntries({{"PC1", OnlineImage}, {"127.0.0.9", PendingImage}, {"NOWHERE", OnlineImage}});
  network.SetAddress("PC1", "127.0.0.5");
  network.SetAddress("127.0.0.9", "127.0.0.9");
  ShowAddresses(ctx);
  EXPECT_THAT(Texts(), ElementsAre("127.0.0.5", "127.0.0.9", "获取失败"));
  EXPECT_THAT(Images(), ElementsAre(OnlineImage, PendingImage, OnlineImage));
  EXPECT_EQ(StatusHistory().back(), "获取列表完毕！");
  EXPECT_EQ(StatusHistory()[StatusHistory().size() - 2], "获取中。。。");
}

TEST_F(ListRacesTest, RepingAllEntriesTurnsEveryEntryGreyAndPingsPositionsOneToFive) {
  OpenWithEntries({{"127.0.0.1", OnlineImage},
                   {"127.0.0.2", OnlineImage},
                   {"127.0.0.3", OnlineImage},
                   {"127.0.0.4", OnlineImage},
                   {"127.0.0.5", OnlineImage}});
  for (const char* host : {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"})
    network.HoldPings(host);
  network.SetPingAnswer("127.0.0.2", 0);
  const std::size_t pingsBefore = network.Pings().size();

  RepingAllEntries(ctx);
  EXPECT_THAT(Images(),
              ElementsAre(PendingImage, PendingImage, PendingImage, PendingImage, PendingImage));
  for (const char* host : {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"})
    network.WaitForPings(host, 1);
  network.ReleaseAllPings();
  fake.WaitForWorkers();

  std::vector<Text> hosts;
  for (std::size_t i = pingsBefore; i < network.Pings().size(); ++i)
    hosts.push_back(network.Pings()[i].host);
  EXPECT_THAT(
      hosts, UnorderedElementsAre("127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"));
  EXPECT_THAT(Images(),
              ElementsAre(PendingImage, OnlineImage, PendingImage, PendingImage, PendingImage));
}

}  // namespace
}  // namespace volmere
