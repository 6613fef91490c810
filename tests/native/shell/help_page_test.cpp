#include "app/help_page.h"

#include <gtest/gtest.h>

#include "resources/help_page.h"
#include "resources/main_window_layout.h"
#include "tests/native/shell/shell_scene.h"

namespace volmere {
namespace {

const Text kBesideProgram = "D:\\tools\\Volmere帮助.html";
const Text kInTemp = "C:\\TEMP\\Volmere帮助.html";

class HelpPage : public ::testing::Test, public ShellScene {
 protected:
  int WritesTo(const Text& path) {
    int count = 0;
    for (const FakeSystem::FileWrite& w : fake.FileWrites()) count += w.path == path;
    return count;
  }
};

TEST_F(HelpPage, IsWrittenBesideTheProgramAndOpened) {
  OpenHelpPage(fake);
  EXPECT_EQ(fake.FileContent(kBesideProgram), kHelpPageHtml);
  EXPECT_EQ(fake.OpenedUrls(), std::vector<Text>{kBesideProgram});
  EXPECT_EQ(HelpPageAddress(fake), kBesideProgram);
}

TEST_F(HelpPage, ACurrentCopyIsKeptAndAnOutdatedOneReplaced) {
  fake.PutFile(kBesideProgram, kHelpPageHtml);
  OpenHelpPage(fake);
  EXPECT_EQ(WritesTo(kBesideProgram), 0);

  fake.PutFile(kBesideProgram, "<html>old</html>");
  OpenHelpPage(fake);
  EXPECT_EQ(WritesTo(kBesideProgram), 1);
  EXPECT_EQ(fake.FileContent(kBesideProgram), kHelpPageHtml);
}

TEST_F(HelpPage, AReadOnlyProgramFolderFallsBackToTheTemporaryFolder) {
  fake.FailWritesTo(kBesideProgram);
  OpenHelpPage(fake);
  EXPECT_EQ(fake.FileContent(kInTemp), kHelpPageHtml);
  EXPECT_EQ(fake.OpenedUrls(), std::vector<Text>{kInTemp});
}

TEST_F(HelpPage, NowhereToWriteOpensNothing) {
  fake.FailWritesTo(kBesideProgram);
  fake.FailWritesTo(kInTemp);
  OpenHelpPage(fake);
  EXPECT_TRUE(fake.OpenedUrls().empty());
  EXPECT_EQ(HelpPageAddress(fake), "");
}

// The page explains every button and every item of the list's menu by the
// text the user sees on it.
TEST_F(HelpPage, NamesEveryButtonAndMenuItem) {
  const Text page = kHelpPageHtml;
  EXPECT_NE(FindText(page, "charset=gb2312"), -1);
  for (const ControlLayout& control : kMainWindowLayout.controls) {
    if (control.kind != ControlKind::Button && control.kind != ControlKind::CheckBox) continue;
    EXPECT_NE(FindText(page, control.text), -1) << control.name;
  }
  EXPECT_NE(FindText(page, "刷新列表"), -1);
  for (const MenuLayout& menu : kMainWindowLayout.menus) {
    for (const MenuItemLayout& item : menu.items)
      EXPECT_NE(FindText(page, item.text), -1) << item.name;
  }
}

}  // namespace
}  // namespace volmere
