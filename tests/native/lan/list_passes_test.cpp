#include "lan/list_passes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lan/refresh.h"
#include "tests/native/lan/lan_scene.h"

namespace volmere {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class ListPassesTest : public ::testing::Test, public LanScene {};

TEST_F(ListPassesTest, ThisComputerComesFirstInColourAndOthersTurnToColourWhenTheyAnswer) {
  network.AddWorkgroup("WORKGROUP", {"PC1", "ME", "PC2"});
  network.AddWorkgroup("财务部", {"PC3", "PC4"});
  network.SetPingAnswer("PC1", 1);
  network.SetPingAnswer("PC4", 0);
  OpenAndList("ME", "WORKGROUP");

  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1", "PC2", "PC3", "PC4"));
  EXPECT_THAT(Images(),
              ElementsAre(OnlineImage, OnlineImage, PendingImage, PendingImage, OnlineImage));
  EXPECT_THAT(PingedHosts(), UnorderedElementsAre("PC1", "PC2", "PC3", "PC4"));
  for (const FakeNetwork::Ping& p : network.Pings()) EXPECT_EQ(p.timeoutMs, 10000);
  EXPECT_THAT(StatusHistory(),
              ElementsAre("获取本机工作组（WORKGROUP）计算机。。。", "本机工作组计算机获取完毕！",
                          "正在获取本地工作组，请稍后。。。", "获取工作组（财务部）内计算机。。。",
                          "获取完毕!点击可以打开."));
  EXPECT_TRUE(RefreshEnabled());
  EXPECT_EQ(RefreshCaption(), "刷新列表");
  EXPECT_EQ(LastGoodList(), "ME\r\nPC1\r\nPC2\r\nPC3\r\nPC4\r\n");
}

TEST_F(ListPassesTest, OwnNameIsSkippedOnlyWhenSpelledByteForByteTheSame) {
  network.AddWorkgroup("WORKGROUP", {"me", "ME", "PC1"});
  network.AddWorkgroup("OTHER", {"ME"});
  OpenAndList("ME", "WORKGROUP");
  EXPECT_THAT(Texts(), ElementsAre("ME", "me", "PC1", "ME"));
  EXPECT_THAT(Images(), ElementsAre(OnlineImage, PendingImage, PendingImage, PendingImage));
}

TEST_F(ListPassesTest, WithoutAWorkgroupEveryComputerIsListedTwice) {
  network.AddWorkgroup("WG1", {"ME", "PC1"});
  network.AddWorkgroup("WG2", {"PC2"});
  OpenAndList("ME", "");
  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1", "PC2", "ME", "PC1", "PC2"));
  EXPECT_EQ(LastGoodList(), "ME\r\nPC1\r\nPC2\r\nME\r\nPC1\r\nPC2\r\n");
}

TEST_F(ListPassesTest, AnEmptyNeighbourhoodStillEndsTheListingAndSavesThisComputer) {
  OpenAndList("ME", "WORKGROUP");
  EXPECT_THAT(Texts(), ElementsAre("ME"));
  ASSERT_GE(StatusHistory().size(), 2u);
  EXPECT_EQ(StatusHistory()[StatusHistory().size() - 2], "没有获取到列表,你可以ping获取列表!");
  EXPECT_EQ(Status(), "获取完毕!点击可以打开.");
  EXPECT_EQ(LastGoodList(), "ME\r\n");
  EXPECT_TRUE(RefreshEnabled());
}

TEST_F(ListPassesTest, AddressViewLabelsNewEntriesWithAddressesOrTheirNames) {
  fake.SetRegNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs", 1);
  network.AddWorkgroup("WORKGROUP", {"PC1", "NOWHERE"});
  network.SetAddress("ME", "127.0.0.1");
  network.SetAddress("PC1", "127.0.0.11");
  OpenAndList("ME", "WORKGROUP");
  EXPECT_THAT(Texts(), ElementsAre("127.0.0.1", "127.0.0.11", "NOWHERE"));
  EXPECT_THAT(PingedHosts(), UnorderedElementsAre("127.0.0.11", "NOWHERE"));
}

TEST_F(ListPassesTest, AddressViewSwitchedOnMidPassShowsOnlyInLaterEntries) {
  network.AddWorkgroup("WORKGROUP", {"PC1"});
  network.AddWorkgroup("OTHER", {"PC2", "PC3"});
  network.SetAddress("PC1", "127.0.0.11");
  network.SetAddress("PC2", "127.0.0.12");
  network.SetAddress("PC3", "127.0.0.13");
  network.OnListComputers([this](const Text& group) {
    if (group == "OTHER") fake.SetRegNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs", 1);
  });
  OpenAndList("ME", "WORKGROUP");
  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1", "127.0.0.12", "127.0.0.13"));
}

TEST_F(ListPassesTest, LastGoodListHoldsEveryEntryTextWithCrLfAndAReloadPingsEach) {
  network.AddWorkgroup("WORKGROUP", {"PC1", "PC2", "PC3"});
  OpenAndList("PC1", "WORKGROUP");
  EXPECT_EQ(LastGoodList(), "PC1\r\nPC2\r\nPC3\r\n");

  fake.ListRemoveAll(ctx.mainWindow, "computerList");
  const std::size_t pingsBefore = network.Pings().size();
  RefreshComputerList(ctx);
  fake.WaitForWorkers();
  EXPECT_THAT(Texts(), ElementsAre("PC1", "PC2", "PC3"));
  EXPECT_THAT(Images(), ElementsAre(PendingImage, PendingImage, PendingImage));
  std::vector<Text> reloadPings;
  for (std::size_t i = pingsBefore; i < network.Pings().size(); ++i)
    reloadPings.push_back(network.Pings()[i].host);
  EXPECT_THAT(reloadPings, UnorderedElementsAre("PC1", "PC2", "PC3"));
  EXPECT_THAT(StatusHistory(), ::testing::IsSupersetOf({"正在调用上一次正确列表！"}));
  EXPECT_EQ(Status(), "这是最后一次正确获取计算机的列表！");
  EXPECT_TRUE(RefreshEnabled());
  EXPECT_EQ(RefreshCaption(), "刷新列表");
}

TEST_F(ListPassesTest, AReloadStopsAtTheFirstEmptyLine) {
  OpenWithEntries({});
  fake.PutFile("C:\\TEMP\\不通时.txt", "PC1\r\n\r\nPC3\r\n");
  RefreshComputerList(ctx);
  fake.WaitForWorkers();
  EXPECT_THAT(Texts(), ElementsAre("PC1"));
}

TEST_F(ListPassesTest, ARefreshOfAnEmptyListWithoutASavedListEndsEmptyAndReady) {
  OpenWithEntries({});
  fake.DeleteFile("C:\\TEMP\\不通时.txt");
  RefreshComputerList(ctx);
  fake.WaitForWorkers();
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(Status(), "这是最后一次正确获取计算机的列表！");
  EXPECT_TRUE(RefreshEnabled());
  EXPECT_EQ(RefreshCaption(), "刷新列表");
}

}  // namespace
}  // namespace volmere
