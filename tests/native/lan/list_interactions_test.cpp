#include "lan/list_interactions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/native/lan/lan_scene.h"

namespace volmere {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ListInteractionsTest : public ::testing::Test, public LanScene {
 protected:
  void Click(int position) { fake.ListClick(ctx.mainWindow, "computerList", position); }
  void SetAutoClose(bool on) { fake.SetChecked(ctx.mainWindow, "autoCloseCheck", on); }
  int SelectedPosition() { return fake.ListSelected(ctx.mainWindow, "computerList").position; }
  std::vector<Text> PopupItems() { return fake.Popups().back().visibleItems; }
  bool Offers(const Text& item) {
    for (const Text& visible : PopupItems())
      if (visible == item) return true;
    return false;
  }
};

struct OpenCase {
  const char* text;
  int image;
  bool autoClose;
  const char* windowsDir;
  const char* command;  // "" when nothing is started
  const char* url;      // "" when no page opens
};

class OpenCommandTest : public ListInteractionsTest,
                        public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenCommandTest, AClickOnAnEntryOpensWhatItShould) {
  const OpenCase& c = GetParam();
  OpenWithEntries({{"ME", OnlineImage}, {c.text, c.image}});
  fake.SetDirectories("C:\\TEMP\\", c.windowsDir, "D:\\tools");
  SetAutoClose(c.autoClose);

  Click(1);

  const bool opened = *c.command != '\0';
  EXPECT_EQ(CommandLines(), opened ? std::vector<Text>{c.command} : std::vector<Text>{});
  for (const FakeSystem::Command& command : fake.Commands()) {
    if (command.commandLine == c.command) {
      EXPECT_FALSE(command.wait);
      EXPECT_FALSE(command.hidden);
    }
  }
  EXPECT_EQ(fake.OpenedUrls(), *c.url ? std::vector<Text>{c.url} : std::vector<Text>{});
  EXPECT_EQ(fake.IsWindowOpen(ctx.mainWindow), !(opened && c.autoClose));
  if (*c.url && !(opened && c.autoClose)) {
    EXPECT_EQ(SelectedPosition(), -1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OpenCommandTest,
    ::testing::Values(
        OpenCase{"PC1", OnlineImage, true, "C:\\WINDOWS\\", "C:\\Windows\\explorer.exe \\\\PC1",
                 ""},
        OpenCase{"PC1", OnlineImage, false, "C:\\WINDOWS\\", "C:\\Windows\\explorer.exe \\\\PC1",
                 ""},
        OpenCase{"PC1", PendingImage, true, "C:\\WINDOWS\\", "", ""},
        OpenCase{"PC1", OnlineImage, false, "E:\\WINNT\\", "E:\\Windows\\explorer.exe \\\\PC1", ""},
        OpenCase{"192.168.1.5", OnlineImage, false, "C:\\WINDOWS\\",
                 "C:\\Program Files\\Internet Explorer\\iexplore.exe \\\\192.168.1.5", ""},
        OpenCase{"10.0.0.7", OnlineImage, false, "C:\\WINDOWS\\",
                 "C:\\Windows\\explorer.exe \\\\10.0.0.7", ""},
        OpenCase{"abc.lan", OnlineImage, false, "C:\\WINDOWS\\",
                 "C:\\Program Files\\Internet Explorer\\iexplore.exe \\\\abc.lan", ""},
        OpenCase{"192.168.1.1", OnlineImage, true, "C:\\WINDOWS\\",
                 "C:\\Program Files\\Internet Explorer\\iexplore.exe \\\\192.168.1.1",
                 "http://192.168.1.1"},
        OpenCase{"192.168.1.1", PendingImage, true, "C:\\WINDOWS\\", "", "http://192.168.1.1"},
        OpenCase{"192.168.0.1", OnlineImage, false, "C:\\WINDOWS\\",
                 "C:\\Program Files\\Internet Explorer\\iexplore.exe \\\\192.168.0.1",
                 "http://192.168.0.1"}));

TEST_F(ListInteractionsTest, InDoubleClickModeOnlyTheDoubleClickOpens) {
  OpenWithEntries({{"PC1", OnlineImage}});
  SetAutoClose(false);
  ctx.session.doubleClickOpens = true;
  Click(0);
  EXPECT_THAT(CommandLines(), IsEmpty());
  fake.ListDoubleClick(ctx.mainWindow, "computerList", 0);
  EXPECT_THAT(CommandLines(), ElementsAre("C:\\Windows\\explorer.exe \\\\PC1"));

  ctx.session.doubleClickOpens = false;
  fake.ListDoubleClick(ctx.mainWindow, "computerList", 0);
  EXPECT_EQ(CommandLines().size(), 1u);
}

TEST_F(ListInteractionsTest, EmptySpaceRepingsWhileListingAndRefreshesAfterwards) {
  network.AddWorkgroup("WORKGROUP", {"PC1"});
  network.SetPingAnswer("PC1", 1);
  OpenWithEntries({{"PC1", OnlineImage}, {"PC8", OnlineImage}});
  for (bool doubleClickMode : {false, true}) {
    ctx.session.doubleClickOpens = doubleClickMode;
    fake.SetEnabled(ctx.mainWindow, "refreshButton", false);
    network.HoldPings("PC1");
    Click(-1);
    EXPECT_THAT(Images(), ElementsAre(PendingImage, PendingImage));
    network.ReleasePings("PC1");
    fake.WaitForWorkers();
    EXPECT_THAT(Images(), ElementsAre(OnlineImage, PendingImage));

    fake.SetEnabled(ctx.mainWindow, "refreshButton", true);
    Click(-1);
    fake.WaitForWorkers();
    EXPECT_THAT(Texts(), ElementsAre("ME", "PC1"));
    EXPECT_EQ(RefreshCaption(), "刷新列表");
    EXPECT_TRUE(RefreshEnabled());
    fake.ListSetText(ctx.mainWindow, "computerList",
                     fake.ListEntryAt(ctx.mainWindow, "computerList", 0).id, "PC1");
    fake.ListSetText(ctx.mainWindow, "computerList",
                     fake.ListEntryAt(ctx.mainWindow, "computerList", 1).id, "PC8");
  }
}

TEST_F(ListInteractionsTest, TheMenuOffersTheSwitchToTheOtherView) {
  OpenWithEntries({{"PC1", OnlineImage}});
  fake.ListRightClick(ctx.mainWindow, "computerList", 0);
  EXPECT_TRUE(Offers("viewByIpItem"));
  EXPECT_FALSE(Offers("viewByNameItem"));
  EXPECT_EQ(fake.Popups().back().menu, "contextMenu");

  fake.SetRegNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs", 1);
  fake.ListRightClick(ctx.mainWindow, "computerList", -1);
  EXPECT_FALSE(Offers("viewByIpItem"));
  EXPECT_TRUE(Offers("viewByNameItem"));
  EXPECT_THAT(PopupItems(), Contains("pingComputerItem"));
}

TEST_F(ListInteractionsTest, AddressViewRelabelsAndTheNameViewRebuildsUnlessAnEntryIsSelected) {
  network.AddWorkgroup("WORKGROUP", {"PC1", "NOWHERE"});
  network.SetAddress("ME", "127.0.0.1");
  network.SetAddress("PC1", "127.0.0.5");
  OpenAndList("ME", "WORKGROUP");

  auto choose = [this](const Text& item, int position) {
    fake.QueueMenuChoice(item);
    fake.ListRightClick(ctx.mainWindow, "computerList", position);
    fake.WaitForWorkers();
  };
  choose("viewByIpItem", -1);
  EXPECT_EQ(fake.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs"), 1u);
  EXPECT_THAT(Texts(), ElementsAre("127.0.0.1", "127.0.0.5", "获取失败"));
  EXPECT_FALSE(fake.IsMenuItemVisible(ctx.mainWindow, "viewByIpItem"));
  EXPECT_TRUE(fake.IsMenuItemVisible(ctx.mainWindow, "viewByNameItem"));

  choose("viewByNameItem", -1);
  EXPECT_EQ(fake.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs"), 0u);
  EXPECT_TRUE(fake.IsMenuItemVisible(ctx.mainWindow, "viewByIpItem"));
  EXPECT_FALSE(fake.IsMenuItemVisible(ctx.mainWindow, "viewByNameItem"));
  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1", "NOWHERE"));

  // With an entry selected the refresh ends at once: the addresses stay.
  choose("viewByIpItem", -1);
  choose("viewByNameItem", 1);
  EXPECT_EQ(fake.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs"), 0u);
  EXPECT_THAT(Texts(), ElementsAre("127.0.0.1", "127.0.0.5", "获取失败"));
}

struct PingCase {
  const char* entry;  // "" selects nothing
  const char* batch;  // "" when no address is found
};

class PingSelectedTest : public ListInteractionsTest,
                         public ::testing::WithParamInterface<PingCase> {};

TEST_P(PingSelectedTest, TheBatchPingsTheAddressOrTheUserIsTold) {
  const PingCase& c = GetParam();
  if (*c.entry)
    OpenWithEntries({{c.entry, OnlineImage}});
  else
    OpenWithEntries({});
  network.SetAddress("PC1", "127.0.0.5");
  network.SetAddress("abc.&del x", "127.0.0.7");
  network.SetLocalAddresses({"127.0.0.1", "127.0.0.2"});
  if (*c.entry) fake.ListSelect(ctx.mainWindow, "computerList", 0);

  PingSelectedComputer(ctx);

  if (*c.batch) {
    EXPECT_EQ(fake.FileContent("C:\\TEMP\\\\ping.bat"), c.batch);
    ASSERT_EQ(CommandLines(), std::vector<Text>{"C:\\TEMP\\\\ping.bat"});
    EXPECT_FALSE(fake.Commands().back().wait);
    EXPECT_FALSE(fake.Commands().back().hidden);
    EXPECT_THAT(fake.Messages(), IsEmpty());
  } else {
    EXPECT_FALSE(fake.FileExists("C:\\TEMP\\\\ping.bat"));
    EXPECT_THAT(CommandLines(), IsEmpty());
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, "获取不到此计算机的IP地址");
    EXPECT_EQ(fake.Messages()[0].style, MsgInformation);
    EXPECT_EQ(fake.Messages()[0].title, "信息：");
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, PingSelectedTest,
                         ::testing::Values(PingCase{"PC1", "ping 127.0.0.5\r\npause"},
                                           PingCase{"127.0.0.9", "ping 127.0.0.9\r\npause"},
                                           PingCase{"NOWHERE", ""},
                                           PingCase{"", "ping 127.0.0.1\r\npause"},
                                           // A first full stop at the fourth byte is no address.
                                           PingCase{"abc.&del x", "ping 127.0.0.7\r\npause"},
                                           PingCase{"abc.& del *.*", ""},
                                           PingCase{"127.0.0.1&calc", ""},
                                           PingCase{"256.0.0.1", ""}));

TEST_F(ListInteractionsTest, MainWindowBindsTheListCommands) {
  for (const char* name :
       {"computerList.Click", "computerList.DoubleClick", "computerList.RightClick", "viewByIpItem",
        "viewByNameItem", "pingComputerItem", "refreshButton"})
    EXPECT_EQ(window.commands().count(name), 1u) << name;

  network.AddWorkgroup("WORKGROUP", {"PC1"});
  OpenWithEntries({{"PC7", OnlineImage}});
  fake.SetEnabled(ctx.mainWindow, "refreshButton", true);
  fake.Click(ctx.mainWindow, "refreshButton");
  fake.WaitForWorkers();
  EXPECT_THAT(Texts(), ElementsAre("ME", "PC1"));
}

}  // namespace
}  // namespace volmere
