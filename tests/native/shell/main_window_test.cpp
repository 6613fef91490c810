#include "app/main_window.h"

#include <gtest/gtest.h>

#include "tests/native/shell/shell_scene.h"

namespace volmere {
namespace {

const Text kFirstRunQuestion = "你是第一次使用本软件，是否立即查看帮助？";
const Text kFirstRunMarker = "SOFTWARE\\Volmere\\bz";
const Text kHelpPage = "D:\\tools\\Volmere帮助.html";

class MainWindowTest : public ::testing::Test, public ShellScene {
 protected:
  MainWindowTest() : window(ctx) {}

  // Opens MainWindow and lets start-up finish.
  void Open() {
    fake.LoadWindow(kMainWindowLayout, window, false);
    fake.WaitForWorkers();
  }
  void Answered() { fake.SetRegText(RegRoot::CurrentUser, kFirstRunMarker, "x"); }
  std::vector<FakeSystem::RegWrite> WritesTo(const Text& path) {
    std::vector<FakeSystem::RegWrite> found;
    for (const FakeSystem::RegWrite& w : fake.RegWrites())
      if (w.path == path) found.push_back(w);
    return found;
  }

  MainWindow window;
};

TEST_F(MainWindowTest, FirstRunYesOpensTheHelpPageAndIsRemembered) {
  fake.QueueMessageAnswer(MsgYes);
  Open();

  ASSERT_EQ(fake.Messages().size(), 1u);
  EXPECT_EQ(fake.Messages()[0].text, kFirstRunQuestion);
  EXPECT_EQ(fake.Messages()[0].style, MsgYesNoQuestion);
  EXPECT_EQ(fake.Messages()[0].title, "信息：");
  EXPECT_EQ(fake.OpenedUrls(), std::vector<Text>{kHelpPage});
  ASSERT_EQ(WritesTo(kFirstRunMarker).size(), 1u);
  EXPECT_EQ(WritesTo(kFirstRunMarker)[0].text, "不是第一次使用");
  EXPECT_FALSE(WritesTo(kFirstRunMarker)[0].isNumber);
}

TEST_F(MainWindowTest, FirstRunNoWritesNothingSoTheQuestionComesAgain) {
  fake.QueueMessageAnswer(MsgNo);
  Open();
  EXPECT_TRUE(fake.OpenedUrls().empty());
  EXPECT_TRUE(WritesTo(kFirstRunMarker).empty());

  MainWindow nextStart(ctx);
  fake.LoadWindow(kMainWindowLayout, nextStart, false);
  fake.WaitForWorkers();
  EXPECT_EQ(fake.Messages().size(), 2u);
}

TEST_F(MainWindowTest, AnsweredUserIsNotAskedAndStartUpCompletesTheCaption) {
  Answered();
  fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
  netConfigOutput = "工作站域  WORKGROUP\r\n";
  Open();

  EXPECT_TRUE(fake.Messages().empty());
  EXPECT_NE(ctx.mainWindow, 0u);
  EXPECT_EQ(fake.GetText(ctx.mainWindow, ""),
            "xx公司局域网Volmere---计算机名：PC1  工作组：WORKGROUP");
}

TEST_F(MainWindowTest, StartUpCanBeStartedAgainFromOtherWindows) {
  Answered();
  netConfigOutput = "工作站域  WG1\r\n";
  Open();
  ASSERT_TRUE(ctx.startStartupWorker);
  netConfigOutput = "工作站域  WG2\r\n";
  ctx.startStartupWorker();
  fake.WaitForWorkers();
  EXPECT_EQ(ctx.session.workgroup.Get(), "WG2");
  EXPECT_EQ(fake.GetText(ctx.mainWindow, ""), "xx公司局域网Volmere---计算机名：  工作组：WG2");
}

TEST_F(MainWindowTest, StatusLabelAndHelpItemOpenTheHelpPage) {
  Answered();
  Open();
  fake.Click(ctx.mainWindow, "statusLabel");
  window.OnCommand("helpItem");
  EXPECT_EQ(fake.OpenedUrls(), (std::vector<Text>{kHelpPage, kHelpPage}));
}

TEST_F(MainWindowTest, AutoCloseCheckStoresItsNewStateInverted) {
  Answered();
  Open();
  ASSERT_TRUE(fake.IsChecked(ctx.mainWindow, "autoCloseCheck"));
  fake.Click(ctx.mainWindow, "autoCloseCheck");
  fake.Click(ctx.mainWindow, "autoCloseCheck");

  const std::vector<FakeSystem::RegWrite> writes = WritesTo("SOFTWARE\\Volmere\\zdgb");
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].text, "1");
  EXPECT_EQ(writes[1].text, "0");
  EXPECT_EQ(writes[1].root, RegRoot::CurrentUser);
  EXPECT_FALSE(writes[1].isNumber);
}

TEST_F(MainWindowTest, PrintersButtonOpensThePrintersFolderWithoutWaiting) {
  Answered();
  Open();
  fake.Click(ctx.mainWindow, "printersButton");

  ASSERT_FALSE(fake.Commands().empty());
  const FakeSystem::Command last = fake.Commands().back();
  EXPECT_EQ(last.commandLine, "RUNDLL32 SHELL32.DLL,SHHelpShortcuts_RunDLL PrintersFolder");
  EXPECT_FALSE(last.wait);
  EXPECT_FALSE(last.hidden);
}

}  // namespace
}  // namespace volmere
