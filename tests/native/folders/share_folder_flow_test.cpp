#include "folders/share_folder_flow.h"

#include <algorithm>

#include "app/command_table.h"
#include "folders_scene.h"

namespace volmere {
namespace {

const char kCs001[] = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
const char kCurrent[] = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous";
const std::uint32_t kWin7 = 0x0106, kVista = 0x0006, kXp = 0x0105, kUnknown = 0x0206;

const char kSwitchOnQuestion[] =
    "经检测到你的电脑尚未开启共享或共享开启不完善，需要开启共享后共享文件夹别人才能看见。\r\n\r\n"
    "是否立即开启共享？";
const char kFolderNote[] =
    "\r\n\r\n注：文件夹默认权限设置为读取+写入。如果需要更高的权限，请点击设置文件夹权限！";
const char kRootNote[] = "\r\n\r\n注：如果打不开你的磁盘，请设置一下磁盘的文件夹权限！";

void SharingOff(FakeSystem& fake) {
  fake.SetRegNumber(RegRoot::LocalMachine, kCs001, 1);
  fake.SetRegNumber(RegRoot::LocalMachine, kCurrent, 1);
}

// What the user does in ShareConfirmWindow.
struct Confirm {
  Text name;              // typed over the proposed one; "" leaves it
  bool readOnly = false;  // checks "只读模式"
  bool clear = false;     // empties the field
};

void WhenConfirmWindowOpens(FakeSystem& fake, Confirm confirm, Text* proposed = nullptr) {
  fake.OnWindowOpened("ShareConfirmWindow", [confirm, proposed](FakeSystem& f, WindowId w) {
    if (proposed) *proposed = f.GetText(w, "shareNameEdit");
    if (confirm.clear) f.Type(w, "shareNameEdit", "");
    if (!confirm.name.empty()) f.Type(w, "shareNameEdit", confirm.name);
    if (confirm.readOnly) f.Click(w, "readOnlyRadio");
    f.Click(w, "confirmShareButton");
  });
}

void RunFlowFromButton(FoldersScene& s, const Text& control = "shareFolderButton") {
  CommandTable table;
  RegisterFolderCommands(table);
  ASSERT_TRUE(table.count(control));
  table[control](s.ctx);
}

TEST(ProposedShareName, IsTheLastPartOfThePath) {
  const std::pair<Text, Text> cases[] = {
      {"D:\\tools", "tools"},
      {"D:\\My Files\\music", "music"},
      {"C:\\Users\\Public\\Desktop", "桌面"},
      {"D:\\work\\desktop", "desktop"},
      {"D:\\work\\Desktop2", "Desktop2"},
      {"d:\\", "本地磁盘（D）"},
      {"E:\\", "本地磁盘（E）"},
      {"D:\\资料\\誠", "誠"},  // its second byte is a backslash's
      {"D:\\誠", "誠"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProposedShareName(c.first), c.second) << c.first;
}

TEST(StartShareCommands, ShareCommandAndGrantByEdition) {
  struct Case {
    std::uint32_t version;
    const char* path;
    const char* name;
    bool fullControl;
    std::vector<Text> commands;
  };
  const Case cases[] = {
      {kWin7,
       "D:\\tools",
       "tools",
       true,
       {"net share tools=D:\\tools /grant:Guests,full /grant:Everyone,full",
        "cacls D:\\tools /e /t /g everyone:F"}},
      {kWin7,
       "D:\\My Files\\music",
       "music",
       false,
       {"net share \"music\"=\"D:\\My Files\\music\" /grant:Guests,read /grant:Everyone,read",
        "cacls \"D:\\My Files\\music\" /e /t /g everyone:F"}},
      {kWin7,
       "E:\\",
       "本地磁盘（E）",
       true,
       {"net share 本地磁盘（E）=E:\\ /grant:Guests,full /grant:Everyone,full"}},
      {kWin7,
       "D:\\tools",
       "my tools",  // only the path decides the quoting
       true,
       {"net share my tools=D:\\tools /grant:Guests,full /grant:Everyone,full",
        "cacls D:\\tools /e /t /g everyone:F"}},
      {kVista,
       "D:\\tools",
       "tools",
       false,
       {"net share tools=D:\\tools /grant:Guests,read /grant:Everyone,read",
        "cacls D:\\tools /e /t /g everyone:F"}},
      {kVista,
       "D:\\tools",
       "tools",
       true,
       {"net share tools=D:\\tools /grant:Guests,full /grant:Everyone,full",
        "cacls D:\\tools /e /t /g everyone:F"}},
      {kXp,
       "D:\\tools",
       "tools",
       true,
       {"net share tools=D:\\tools", "cacls D:\\tools /e /t /g everyone:F"}},
      {kXp,
       "D:\\My Files\\music",
       "music",
       false,
       {"net share \"music\"=\"D:\\My Files\\music\"",
        "cacls \"D:\\My Files\\music\" /e /t /g everyone:F"}},
      {kUnknown,
       "D:\\tools",
       "tools",
       false,
       {"net share tools=D:\\tools", "cacls D:\\tools /e /t /g everyone:F"}},
      {kUnknown, "E:\\", "本地磁盘（E）", true, {"net share 本地磁盘（E）=E:\\"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << std::hex << c.version << " " << c.path << " " << c.fullControl);
    FoldersScene s;
    s.fake.SetVersionWord(c.version);
    EXPECT_TRUE(StartShareCommands(s.fake, c.path, c.name, c.fullControl));
    EXPECT_EQ(s.CommandLines(), c.commands);
    EXPECT_TRUE(s.AllCommandsHiddenAndWaited());
  }
}

TEST(StartShareCommands, FailedShareCommandRunsNoGrant) {
  for (bool cannotStart : {false, true}) {
    FoldersScene s;
    if (cannotStart) {
      s.fake.FailToStart("net share");
    } else {
      s.fake.OnCommand("net share", [](const Text&) { return 2; });
    }
    EXPECT_FALSE(StartShareCommands(s.fake, "D:\\tools", "tools", true));
    EXPECT_EQ(s.CommandLines().size(), 1u);
  }
}

TEST(ShareFolderFlow, SharingOnSharesAFolderAndReports) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\tools");
  Text proposed;
  WindowId confirmWindow = 0;
  s.fake.OnWindowOpened("ShareConfirmWindow", [&](FakeSystem& f, WindowId w) {
    confirmWindow = w;
    proposed = f.GetText(w, "shareNameEdit");
    EXPECT_TRUE(f.IsModal(w));
    EXPECT_TRUE(f.IsTextSelected(w, "shareNameEdit"));
    EXPECT_TRUE(f.IsChecked(w, "fullControlRadio"));
    EXPECT_FALSE(f.IsChecked(w, "readOnlyRadio"));
    f.Click(w, "confirmShareButton");
  });

  RunFlowFromButton(s);

  EXPECT_EQ(s.fake.FolderPickerTitles(), (std::vector<Text>{"选择要共享的文件夹"}));
  EXPECT_EQ(proposed, "tools");
  EXPECT_FALSE(s.fake.IsWindowOpen(confirmWindow));
  EXPECT_EQ(s.CommandLines(),
            (std::vector<Text>{
                "net share tools=D:\\tools /grant:Guests,full /grant:Everyone,full",
                "cacls D:\\tools /e /t /g everyone:F", "cacls D:\\tools /t /r everyone /e",
                "cacls D:\\tools /e /t /g everyone:r", "cacls D:\\tools /e /t /g everyone:w"}));
  EXPECT_TRUE(s.AllCommandsHiddenAndWaited()) << "the grant ends before the permission routine";
  ASSERT_EQ(s.fake.Messages().size(), 1u);
  const FakeSystem::Message m = s.fake.Messages()[0];
  EXPECT_EQ(m.text, Text("共享成功！\r\n共享名为：tools\r\n共享路径：D:\\tools") + kFolderNote);
  EXPECT_EQ(m.style, MsgInformation);
  EXPECT_EQ(m.title, "操作系统为：Windows 7");
  EXPECT_EQ(s.StatusTexts(),
            (std::vector<Text>{"正在设置文件夹权限，请耐心等待。。", "文件夹权限设置完毕。。。"}));
  EXPECT_EQ(s.fake.StartedWorkerCount(), 0);
}

TEST(ShareFolderFlow, MenuItemRunsTheSameFlow) {
  FoldersScene s;
  RunFlowFromButton(s, "shareFolderItem");
  EXPECT_EQ(s.fake.FolderPickerTitles(), (std::vector<Text>{"选择要共享的文件夹"}));
}

TEST(ShareFolderFlow, RootSharesTheDiskOnly) {
  FoldersScene s;
  s.fake.SetVersionWord(kXp);
  s.fake.QueuePickedFolder("d:\\");
  Text proposed;
  WhenConfirmWindowOpens(s.fake, {}, &proposed);

  RunFlowFromButton(s);

  EXPECT_EQ(proposed, "本地磁盘（D）");
  EXPECT_EQ(s.CommandLines(), (std::vector<Text>{"net share 本地磁盘（D）=d:\\"}));
  ASSERT_EQ(s.fake.Messages().size(), 1u);
  EXPECT_EQ(s.fake.Messages()[0].text,
            Text("共享成功！\r\n共享名为：本地磁盘（D）\r\n共享路径：d:\\") + kRootNote);
  EXPECT_EQ(s.fake.Messages()[0].title, "操作系统为：Windows XP");
  EXPECT_TRUE(s.StatusTexts().empty());
}

TEST(ShareFolderFlow, ChangedNameReadOnlyAndSpacedPath) {
  FoldersScene s;
  s.fake.SetVersionWord(kVista);
  s.fake.QueuePickedFolder("D:\\My Files\\music");
  WhenConfirmWindowOpens(s.fake, {"docs", true});

  RunFlowFromButton(s);

  EXPECT_EQ(
      s.CommandLines(),
      (std::vector<Text>{
          "net share \"docs\"=\"D:\\My Files\\music\" /grant:Guests,read /grant:Everyone,read",
          "cacls \"D:\\My Files\\music\" /e /t /g everyone:F",
          "cacls \"D:\\My Files\\music\" /t /r everyone /e",
          "cacls \"D:\\My Files\\music\" /e /t /g everyone:r",
          "cacls \"D:\\My Files\\music\" /e /t /g everyone:w"}));
  ASSERT_EQ(s.fake.Messages().size(), 1u);
  EXPECT_EQ(s.fake.Messages()[0].text,
            Text("共享成功！\r\n共享名为：docs\r\n共享路径：D:\\My Files\\music") + kFolderNote);
  EXPECT_EQ(s.fake.Messages()[0].title, "操作系统为：Vista");
}

TEST(ShareFolderFlow, UnknownEditionSharesWithoutGrantOptions) {
  FoldersScene s;
  s.fake.SetVersionWord(kUnknown);
  s.fake.QueuePickedFolder("D:\\a");
  WhenConfirmWindowOpens(s.fake, {"", true});
  RunFlowFromButton(s);
  EXPECT_EQ(s.CommandLines().front(), "net share a=D:\\a");
  EXPECT_EQ(s.CommandLines().size(), 5u) << "4 bytes is a folder: grant and permission routine";
  EXPECT_EQ(s.fake.Messages()[0].title, "操作系统为：？");
}

TEST(ShareFolderFlow, CancelledPickerCancelEscAndEmptyNameEndSilently) {
  struct Case {
    const char* what;
    bool pickFolder;
    std::function<void(FakeSystem&, WindowId)> inWindow;
  };
  const Case cases[] = {
      {"picker cancelled", false, nullptr},
      {"cancel button", true, [](FakeSystem& f, WindowId w) { f.Click(w, "cancelShareButton"); }},
      {"Esc or close box", true, [](FakeSystem& f, WindowId w) { f.RequestClose(w); }},
      {"name cleared and confirmed", true,
       [](FakeSystem& f, WindowId w) {
         f.Type(w, "shareNameEdit", "");
         f.Click(w, "confirmShareButton");
       }},
      {"name typed, then cancelled", true,
       [](FakeSystem& f, WindowId w) {
         f.Type(w, "shareNameEdit", "docs");
         f.Click(w, "cancelShareButton");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FoldersScene s;
    if (c.pickFolder) s.fake.QueuePickedFolder("D:\\tools");
    WindowId confirmWindow = 0;
    if (c.inWindow) {
      s.fake.OnWindowOpened("ShareConfirmWindow", [&](FakeSystem& f, WindowId w) {
        confirmWindow = w;
        c.inWindow(f, w);
      });
    }
    RunFlowFromButton(s);
    EXPECT_TRUE(s.fake.Commands().empty());
    EXPECT_TRUE(s.fake.Messages().empty());
    EXPECT_TRUE(s.StatusTexts().empty());
    EXPECT_EQ(s.fake.LoadedWindows().size(), c.pickFolder ? 2u : 1u);
    if (c.pickFolder) {
      EXPECT_FALSE(s.fake.IsWindowOpen(confirmWindow));
    }
  }
}

TEST(ShareFolderFlow, NewWindowStartsWithFullControlWhateverTheLastRunChose) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\tools");
  s.fake.QueuePickedFolder("D:\\tools");
  std::vector<bool> fullControlAtStart;
  s.fake.OnWindowOpened("ShareConfirmWindow", [&](FakeSystem& f, WindowId w) {
    fullControlAtStart.push_back(f.IsChecked(w, "fullControlRadio"));
    f.Click(w, "readOnlyRadio");
    f.Click(w, "confirmShareButton");
  });
  RunFlowFromButton(s);
  RunFlowFromButton(s);
  EXPECT_EQ(fullControlAtStart, (std::vector<bool>{true, true}));
}

TEST(ShareFolderFlow, SharingOffAndYesSwitchesItOnOnAWorker) {
  for (bool takesEffect : {true, false}) {
    SCOPED_TRACE(takesEffect ? "batch takes effect" : "batch changes nothing");
    FoldersScene s;
    SharingOff(s.fake);
    s.fake.QueueMessageAnswer(MsgYes);
    if (takesEffect) {
      s.fake.OnCommand("开启共享.bat", [&s](const Text&) {
        s.fake.SetRegNumber(RegRoot::LocalMachine, kCs001, 0);
        s.fake.SetRegNumber(RegRoot::LocalMachine, kCurrent, 0);
        return 0;
      });
    }

    RunFlowFromButton(s);  // the picker is cancelled: the flow ends, the worker goes on
    s.fake.WaitForWorkers();

    ASSERT_GE(s.fake.Messages().size(), 1u);
    EXPECT_EQ(s.fake.Messages()[0].text, kSwitchOnQuestion);
    EXPECT_EQ(s.fake.Messages()[0].style, MsgYesNoQuestion);
    EXPECT_EQ(s.fake.Messages()[0].title, "是否开启共享！");
    EXPECT_EQ(s.fake.Messages().size(), 1u) << "the worker reports in statusLabel only";
    EXPECT_EQ(s.fake.StartedWorkerCount(), 1);
    EXPECT_EQ(s.fake.FolderPickerTitles().size(), 1u);
    EXPECT_EQ(s.CommandLines(), (std::vector<Text>{"D:\\tools\\开启共享.bat"}));
    EXPECT_EQ(
        s.StatusTexts(),
        (std::vector<Text>{"正在开启局域网共享。。",
                           takesEffect ? "开启完毕！" : "开启共享失败！请以管理员身份运行。"}));
  }
}

TEST(ShareFolderFlow, FlowGoesOnWhileTheWorkerSwitchesSharingOn) {
  FoldersScene s;
  SharingOff(s.fake);
  s.fake.QueueMessageAnswer(MsgYes);
  s.fake.QueuePickedFolder("D:\\tools");
  WhenConfirmWindowOpens(s.fake, {});
  RunFlowFromButton(s);
  s.fake.WaitForWorkers();
  const std::vector<Text> lines = s.CommandLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "D:\\tools\\开启共享.bat"), 1);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const Text& l) { return l.rfind("net share tools=", 0) == 0; }),
            1);
  EXPECT_EQ(s.fake.Messages().back().text.rfind("共享成功！", 0), 0u);
}

TEST(ShareFolderFlow, SharingOffAndNoGoesStraightToThePicker) {
  FoldersScene s;
  SharingOff(s.fake);
  s.fake.QueueMessageAnswer(MsgNo);
  RunFlowFromButton(s);
  EXPECT_EQ(s.fake.Messages().size(), 1u);
  EXPECT_EQ(s.fake.FolderPickerTitles().size(), 1u);
  EXPECT_EQ(s.fake.StartedWorkerCount(), 0);
  EXPECT_TRUE(s.fake.Commands().empty());
  EXPECT_TRUE(s.StatusTexts().empty());
}

TEST(ShareFolderFlow, FailedShareCommandWarnsAndRunsNoGrantNorPermissions) {
  for (const char* path : {"D:\\tools", "E:\\"}) {
    SCOPED_TRACE(path);
    FoldersScene s;
    s.fake.QueuePickedFolder(path);
    s.fake.OnCommand("net share", [](const Text&) { return 2; });
    WhenConfirmWindowOpens(s.fake, {});

    RunFlowFromButton(s);

    EXPECT_EQ(s.CommandLines().size(), 1u);
    ASSERT_EQ(s.fake.Messages().size(), 1u);
    EXPECT_EQ(s.fake.Messages()[0].text,
              "共享失败！请以管理员身份运行本软件，并检查共享名是否正确。");
    EXPECT_EQ(s.fake.Messages()[0].style, MsgWarning);
    EXPECT_EQ(s.fake.Messages()[0].title, "操作系统为：Windows 7");
    EXPECT_TRUE(s.StatusTexts().empty());
  }
}

TEST(ShareFolderFlow, FailedPermissionsChangeTheNote) {
  FoldersScene s;
  s.fake.QueuePickedFolder("D:\\tools");
  s.fake.OnCommand("/r everyone", [](const Text&) { return 5; });
  WhenConfirmWindowOpens(s.fake, {});

  RunFlowFromButton(s);

  ASSERT_EQ(s.fake.Messages().size(), 1u);
  EXPECT_EQ(s.fake.Messages()[0].text,
            "共享成功！\r\n共享名为：tools\r\n共享路径：D:\\tools"
            "\r\n\r\n注：文件夹权限设置失败，请点击设置文件夹权限重试！");
  EXPECT_EQ(s.fake.Messages()[0].style, MsgInformation);
  EXPECT_EQ(s.StatusTexts().back(), "文件夹权限设置完毕。。。");
}

}  // namespace
}  // namespace volmere
