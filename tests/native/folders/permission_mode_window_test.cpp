#include "folders/permission_mode_window.h"

#include "app/command_table.h"
#include "folders_scene.h"

namespace volmere {
namespace {

const char kRootWarning[] =
    "设置权限后可能导致本磁盘的回收站的文件丢失，建议先看一下回收站里还是否有重要的文件后再继续。"
    "\r\n\r\n是否继续？？？";
const char kOthersCanOpen[] = "\r\n现在别人就可以打开你的文件夹了。^_^";

// Opens the window from MainWindow's button, as the user does.
void PressPermissionButton(FoldersScene& s) {
  CommandTable table;
  RegisterFolderCommands(table);
  ASSERT_TRUE(table.count("folderPermissionButton"));
  table["folderPermissionButton"](s.ctx);
}

// While the window is open: check a radio button (none: leave "读、写"), then
// press a button.
void WhenOpenPress(FoldersScene& s, const Text& radio, const Text& button) {
  s.fake.OnWindowOpened("PermissionModeWindow", [radio, button](FakeSystem& fake, WindowId w) {
    EXPECT_TRUE(fake.IsModal(w));
    EXPECT_TRUE(fake.IsChecked(w, "permReadWriteRadio"));
    if (!radio.empty()) fake.Click(w, radio);
    fake.Click(w, button);
  });
}

TEST(PermissionModeWindow, CancelledPickerClosesTheWindowAndRunsNothing) {
  FoldersScene s;
  PressPermissionButton(s);
  EXPECT_EQ(s.fake.FolderPickerTitles(), (std::vector<Text>{"选择磁盘或文件夹"}));
  EXPECT_EQ(s.fake.LoadedWindows().back(), "PermissionModeWindow");
  EXPECT_EQ(s.fake.FindWindow("PermissionModeWindow"), 0u);
  EXPECT_TRUE(s.fake.Commands().empty());
  EXPECT_TRUE(s.fake.Messages().empty());
  EXPECT_TRUE(s.StatusTexts().empty());
}

TEST(PermissionModeWindow, EachModeOnAFolderRunsItsCommandsAndTellsTheNewAccess) {
  struct Case {
    const char* radio;  // "": the one checked at start
    std::vector<Text> commands;
    Text message;
  };
  const Case cases[] = {
      {"permFullControlRadio",
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:F"},
       Text("Everyone用户已可以完全控制此文件夹或磁盘。") + kOthersCanOpen},
      {"permReadOnlyRadio",
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:r"},
       Text("Everyone用户已可以读取此文件夹或磁盘了。") + kOthersCanOpen},
      {"",
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:r",
        "cacls D:\\data /e /t /g everyone:w"},
       Text("Everyone用户已可以读取或写入此文件夹或磁盘。") + kOthersCanOpen},
      {"permClosedRadio", {"cacls D:\\data /t /r everyone /e"}, "Everyone用户权限已关闭"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radio);
    FoldersScene s;
    s.fake.QueuePickedFolder("D:\\data");
    WhenOpenPress(s, c.radio, "permOkButton");
    // The window stays the modal one but is out of sight while cacls runs.
    std::vector<bool> visibleDuringCommands;
    s.fake.OnCommand("cacls", [&](const Text&) {
      visibleDuringCommands.push_back(
          s.fake.IsWindowVisible(s.fake.FindWindow("PermissionModeWindow")));
      return 0;
    });

    PressPermissionButton(s);

    EXPECT_EQ(s.CommandLines(), c.commands);
    EXPECT_EQ(visibleDuringCommands, std::vector<bool>(c.commands.size(), false));
    ASSERT_EQ(s.fake.Messages().size(), 1u);
    EXPECT_EQ(s.fake.Messages()[0].text, c.message);
    EXPECT_EQ(s.fake.Messages()[0].style, MsgInformation);
    EXPECT_EQ(s.fake.Messages()[0].title, "信息：");
    EXPECT_EQ(s.fake.FindWindow("PermissionModeWindow"), 0u);
  }
}

TEST(PermissionModeWindow, FullControlOnARootAsksFirstAndSaysLe) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\");
  s.fake.QueueMessageAnswer(MsgYes);
  WhenOpenPress(s, "permFullControlRadio", "permOkButton");

  PressPermissionButton(s);

  EXPECT_EQ(s.CommandLines(),
            (std::vector<Text>{"cacls D:\\ /t /r everyone /e", "cacls D:\\ /e /t /g everyone:F",
                               "C:\\TEMP\\清空回收站.bat"}));
  const std::vector<FakeSystem::Message> messages = s.fake.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, kRootWarning);
  EXPECT_EQ(messages[0].style, MsgYesNoQuestion);
  EXPECT_EQ(messages[0].title, "信息：");
  EXPECT_EQ(messages[1].text,
            Text("Everyone用户已可以完全控制此文件夹或磁盘了。") + kOthersCanOpen);
  EXPECT_EQ(messages[1].style, MsgInformation);
}

TEST(PermissionModeWindow, ClosedOnARootStillWarnsAndEmptiesTheRecycleBin) {
  FoldersScene s;
  s.fake.QueuePickedFolder("E:\\");
  s.fake.QueueMessageAnswer(MsgYes);
  WhenOpenPress(s, "permClosedRadio", "permOkButton");

  PressPermissionButton(s);

  EXPECT_EQ(s.CommandLines(),
            (std::vector<Text>{"cacls E:\\ /t /r everyone /e", "C:\\TEMP\\清空回收站.bat"}));
  ASSERT_EQ(s.fake.Messages().size(), 2u);
  EXPECT_EQ(s.fake.Messages()[0].text, kRootWarning);
  EXPECT_EQ(s.fake.Messages()[1].text, "Everyone用户权限已关闭");
}

TEST(PermissionModeWindow, RootWarningAnsweredNoCancels) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\");
  s.fake.QueueMessageAnswer(MsgNo);
  WhenOpenPress(s, "", "permOkButton");

  PressPermissionButton(s);

  EXPECT_TRUE(s.fake.Commands().empty());
  EXPECT_TRUE(s.StatusTexts().empty());
  ASSERT_EQ(s.fake.Messages().size(), 2u);
  EXPECT_EQ(s.fake.Messages()[1].text, "用户已取消！");
  EXPECT_EQ(s.fake.Messages()[1].style, MsgInformation);
  EXPECT_EQ(s.fake.FindWindow("PermissionModeWindow"), 0u);
}

TEST(PermissionModeWindow, FourBytePathIsAFolder) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\a");
  WhenOpenPress(s, "permFullControlRadio", "permOkButton");
  PressPermissionButton(s);
  ASSERT_EQ(s.fake.Messages().size(), 1u);
  EXPECT_EQ(s.fake.Messages()[0].text,
            Text("Everyone用户已可以完全控制此文件夹或磁盘。") + kOthersCanOpen);
  EXPECT_TRUE(s.fake.FileWrites().empty());
}

TEST(PermissionModeWindow, CancelButtonAndEscRunNothing) {
  for (bool esc : {false, true}) {
    SCOPED_TRACE(esc ? "Esc" : "cancel button");
    FoldersScene s;
    s.fake.QueuePickedFolder("D:\\data");
    s.fake.OnWindowOpened("PermissionModeWindow", [esc](FakeSystem& fake, WindowId w) {
      fake.Click(w, "permFullControlRadio");
      if (esc) {
        fake.RequestClose(w);
      } else {
        fake.Click(w, "permCancelButton");
      }
    });
    PressPermissionButton(s);
    EXPECT_TRUE(s.fake.Commands().empty());
    EXPECT_TRUE(s.fake.Messages().empty());
    EXPECT_EQ(s.fake.FindWindow("PermissionModeWindow"), 0u);
  }
}

TEST(PermissionModeWindow, FailedCommandShowsAWarningInsteadOfTheModeMessage) {
  for (const Text path : {"D:\\data", "D:\\"}) {
    SCOPED_TRACE(path);
    FoldersScene s;
    s.fake.QueuePickedFolder(path);
    s.fake.QueueMessageAnswer(MsgYes);
    s.fake.OnCommand("everyone:r", [](const Text&) { return 5; });
    WhenOpenPress(s, "", "permOkButton");

    PressPermissionButton(s);

    const FakeSystem::Message last = s.fake.Messages().back();
    EXPECT_EQ(last.text, "设置文件夹权限失败！请以管理员身份运行本软件后再试。");
    EXPECT_EQ(last.style, MsgWarning);
    EXPECT_EQ(s.StatusTexts().back(), "文件夹权限设置完毕。。。");
    EXPECT_EQ(s.fake.FindWindow("PermissionModeWindow"), 0u);
  }
}

}  // namespace
}  // namespace volmere
