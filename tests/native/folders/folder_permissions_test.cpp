#include "folders/folder_permissions.h"

#include <functional>

#include "folders_scene.h"

namespace volmere {
namespace {

const char kStarting[] = "正在设置文件夹权限，请耐心等待。。";
const char kFinished[] = "文件夹权限设置完毕。。。";

TEST(FolderPermissions, CommandLinesOfEachModeForBareAndSpacedPaths) {
  struct Case {
    const char* path;
    PermissionMode mode;
    std::vector<Text> commands;
  };
  const Case cases[] = {
      {"D:\\data",
       PermissionMode::FullControl,
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:F"}},
      {"D:\\data",
       PermissionMode::ReadOnly,
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:r"}},
      {"D:\\data",
       PermissionMode::ReadWrite,
       {"cacls D:\\data /t /r everyone /e", "cacls D:\\data /e /t /g everyone:r",
        "cacls D:\\data /e /t /g everyone:w"}},
      {"D:\\data", PermissionMode::Closed, {"cacls D:\\data /t /r everyone /e"}},
      {"D:\\My Files",
       PermissionMode::FullControl,
       {"cacls \"D:\\My Files\" /t /r everyone /e", "cacls \"D:\\My Files\" /e /t /g everyone:F"}},
      {"D:\\My Files",
       PermissionMode::ReadOnly,
       {"cacls \"D:\\My Files\" /t /r everyone /e", "cacls \"D:\\My Files\" /e /t /g everyone:r"}},
      {"D:\\My Files",
       PermissionMode::ReadWrite,
       {"cacls \"D:\\My Files\" /t /r everyone /e", "cacls \"D:\\My Files\" /e /t /g everyone:r",
        "cacls \"D:\\My Files\" /e /t /g everyone:w"}},
      {"D:\\My Files", PermissionMode::Closed, {"cacls \"D:\\My Files\" /t /r everyone /e"}},
      // 4 bytes is a folder: no recycle-bin batch.
      {"D:\\a", PermissionMode::Closed, {"cacls D:\\a /t /r everyone /e"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.path << " mode " << static_cast<int>(c.mode));
    FoldersScene s;
    EXPECT_TRUE(SetFolderPermissions(s.ctx, c.path, c.mode));
    EXPECT_EQ(s.CommandLines(), c.commands);
    EXPECT_TRUE(s.AllCommandsHiddenAndWaited());
    EXPECT_TRUE(s.fake.FileWrites().empty());
    EXPECT_EQ(s.StatusTexts(), (std::vector<Text>{kStarting, kFinished}));
  }
}

TEST(FolderPermissions, RootRunsTheRecycleBinBatchAfterTheModesCommands) {
  for (PermissionMode mode : {PermissionMode::FullControl, PermissionMode::Closed}) {
    SCOPED_TRACE(static_cast<int>(mode));
    FoldersScene s;
    SetFolderPermissions(s.ctx, "D:\\", mode);

    std::vector<Text> expected = {"cacls D:\\ /t /r everyone /e"};
    if (mode == PermissionMode::FullControl) expected.push_back("cacls D:\\ /e /t /g everyone:F");
    expected.push_back("C:\\TEMP\\清空回收站.bat");
    EXPECT_EQ(s.CommandLines(), expected);
    EXPECT_TRUE(s.AllCommandsHiddenAndWaited());
    ASSERT_EQ(s.fake.FileWrites().size(), 1u);
    EXPECT_EQ(s.fake.FileWrites()[0].path, "C:\\TEMP\\清空回收站.bat");
    EXPECT_EQ(s.fake.FileWrites()[0].content, "rd /s D:\\$RECYCLE.BIN /q\r\nrd /s D:\\RECYCLER /q");
    EXPECT_TRUE(s.fake.FileExists("C:\\TEMP\\清空回收站.bat"))
        << "left for the next run to replace";
  }
}

TEST(FolderPermissions, StatusTellsBeforeTheFirstAndAfterTheLastCommand) {
  FoldersScene s;
  std::vector<Text> statusDuringCommands;
  s.fake.OnCommand("cacls", [&](const Text&) {
    statusDuringCommands.push_back(s.fake.GetText(s.ctx.mainWindow, "statusLabel"));
    return 0;
  });
  SetFolderPermissions(s.ctx, "D:\\data", PermissionMode::ReadWrite);
  EXPECT_EQ(statusDuringCommands, (std::vector<Text>(3, kStarting)));
  EXPECT_EQ(s.fake.GetText(s.ctx.mainWindow, "statusLabel"), kFinished);
}

TEST(FolderPermissions, ReportsFailureWhenAnyCaclsCommandFailsAndStillRunsTheRest) {
  struct Case {
    const char* what;
    std::function<void(FakeSystem&)> script;
    bool succeeded;
  };
  const Case cases[] = {
      {"all exit 0", [](FakeSystem&) {}, true},
      {"revoke exits 5",
       [](FakeSystem& f) { f.OnCommand("/r everyone", [](const Text&) { return 5; }); }, false},
      {"last grant exits 1",
       [](FakeSystem& f) { f.OnCommand("everyone:w", [](const Text&) { return 1; }); }, false},
      {"cacls cannot start", [](FakeSystem& f) { f.FailToStart("cacls"); }, false},
      {"recycle-bin batch exits 1: not an access-list failure",
       [](FakeSystem& f) { f.OnCommand(".bat", [](const Text&) { return 1; }); }, true},
  };
  for (const Case& c : cases) {
    for (const Text path : {"D:\\data", "D:\\"}) {
      SCOPED_TRACE(c.what + (" on " + path));
      FoldersScene s;
      c.script(s.fake);
      EXPECT_EQ(SetFolderPermissions(s.ctx, path, PermissionMode::ReadWrite), c.succeeded);
      EXPECT_EQ(s.fake.Commands().size(), path.size() > 3 ? 3u : 4u);
      EXPECT_EQ(s.StatusTexts(), (std::vector<Text>{kStarting, kFinished}));
    }
  }
}

}  // namespace
}  // namespace volmere
