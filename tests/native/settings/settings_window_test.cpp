#include <set>

#include "resources/settings_window_layout.h"
#include "settings_scene.h"

namespace volmere {
namespace {

const ControlLayout* FindControl(const Text& name) {
  for (const ControlLayout& c : kSettingsWindowLayout.controls) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

TEST(SettingsWindowLayout, ContainersExistBeforeTheirControls) {
  std::set<Text> containers;
  for (const ControlLayout& c : kSettingsWindowLayout.controls) {
    Text parent = c.parent;
    if (!parent.empty()) {
      const Text container = parent.substr(0, parent.find('#'));
      EXPECT_TRUE(containers.count(container)) << c.name << " in " << parent;
    }
    if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::TabControl)
      containers.insert(c.name);
  }
  const ControlLayout* tabs = FindControl("settingsTabs");
  ASSERT_NE(tabs, nullptr);
  EXPECT_STREQ(tabs->text, "共享设置|其它设置|关于");
}

TEST(SettingsWindowLayout, TextsWithBlanksAndLineEnds) {
  std::set<Text> labels;
  for (const ControlLayout& c : kSettingsWindowLayout.controls) labels.insert(c.text);
  EXPECT_TRUE(labels.count("更改工 作 组："));
  EXPECT_EQ(FindControl("stepsLabel")->text,
            Text("第一步：开启共享   \r\n第二步：共享文件夹或打印机  \r\n第三步：如果选择的是磁盘，"
                 "请将磁盘设置文件夹权限"));
  const Text about = FindControl("aboutLabel")->text;
  const Text head = "VolmereV6.6\r\n\r\n";
  ASSERT_GT(about.size(), head.size());
  EXPECT_EQ(about.substr(0, head.size()), head);
  EXPECT_EQ(about.find("\r\n", head.size()), Text::npos) << "one contact line";
}

TEST(SettingsWindowLayout, TwoRadioGroups) {
  SettingsScene s;
  s.WithSettingsOpen([](FakeSystem& f, WindowId w) {
    f.Click(w, "sharingOffRadio");
    f.Click(w, "remoteDesktopOnRadio");
    EXPECT_TRUE(f.IsChecked(w, "sharingOffRadio")) << "a remote desktop radio cleared it";
    f.Click(w, "sharingOpenRadio");
    EXPECT_FALSE(f.IsChecked(w, "sharingOffRadio"));
    EXPECT_TRUE(f.IsChecked(w, "remoteDesktopOnRadio"));
    f.Click(w, "settingsCancelButton");
  });
}

TEST(SettingsWindow, ButtonAndMenuItemOpenItModallyOnTheFirstPage) {
  for (const char* command : {"sharingSettingsButton", "sharingSettingsItem"}) {
    SCOPED_TRACE(command);
    SettingsScene s;
    bool sawIt = false;
    s.fake.OnWindowOpened("SettingsWindow", [&](FakeSystem& f, WindowId w) {
      sawIt = true;
      EXPECT_TRUE(f.IsModal(w));
      EXPECT_EQ(f.SelectedTab(w, "settingsTabs"), 0);
      f.Click(w, "settingsCancelButton");
    });
    s.Run(command);
    EXPECT_TRUE(sawIt);
    EXPECT_EQ(s.fake.FindWindow("SettingsWindow"), 0u);
  }
}

TEST(SettingsWindow, CancelAndCloseBoxChangeNothing) {
  for (bool closeBox : {false, true}) {
    SettingsScene s;
    s.WithSettingsOpen([closeBox](FakeSystem& f, WindowId w) {
      f.Type(w, "companyNameEdit", "ABC");
      f.Type(w, "computerNameEdit", "PC2");
      f.Type(w, "workgroupEdit", "OFFICE");
      if (closeBox) {
        f.RequestClose(w);
      } else {
        f.Click(w, "settingsCancelButton");
      }
    });
    EXPECT_EQ(s.fake.FindWindow("SettingsWindow"), 0u);
    EXPECT_TRUE(s.fake.RegWrites().empty());
    EXPECT_TRUE(s.fake.FileWrites().empty());
    EXPECT_TRUE(s.startupWorkerStarts.empty());
  }
}

TEST(SettingsWindow, AboutOpensWithoutBlockingOnItsLastPage) {
  SettingsScene s;
  s.Run("aboutItem");
  const WindowId about = s.fake.FindWindow("SettingsWindow");
  ASSERT_NE(about, 0u);
  EXPECT_FALSE(s.fake.IsModal(about));
  EXPECT_EQ(s.fake.SelectedTab(about, "settingsTabs"), 2);
  s.fake.WaitForWorkers();
  EXPECT_EQ(s.fake.GetText(about, "computerNameEdit"), "PC1");

  // A second one while the first is open is a window of its own.
  s.Run("aboutItem");
  const WindowId second = s.fake.FindWindow("SettingsWindow");
  EXPECT_NE(second, about);

  // Each window object goes with its window; the sanitizers see a leak or
  // a use after free.
  s.fake.Click(about, "settingsCancelButton");
  s.fake.RequestClose(second);
  EXPECT_FALSE(s.fake.IsWindowOpen(about));
  EXPECT_FALSE(s.fake.IsWindowOpen(second));
}

TEST(SettingsWindow, AboutLabelOpensTheHelpPage) {
  SettingsScene s;
  s.Run("aboutItem");
  const WindowId about = s.fake.FindWindow("SettingsWindow");
  s.fake.Click(about, "aboutLabel");
  ASSERT_EQ(s.fake.OpenedUrls().size(), 1u);
  EXPECT_NE(s.fake.OpenedUrls()[0].find(".html"), Text::npos);
  EXPECT_TRUE(s.fake.IsWindowOpen(about));
  s.fake.RequestClose(about);
}

TEST(SettingsWindow, DoubleClickOptionIsStoredAtEachClick) {
  SettingsScene s;
  s.WithSettingsOpen([&](FakeSystem& f, WindowId w) {
    f.Click(w, "doubleClickCheck");
    EXPECT_EQ(f.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\sj"), 2u);
    EXPECT_TRUE(s.ctx.session.doubleClickOpens);
    f.Click(w, "doubleClickCheck");
    EXPECT_EQ(f.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\sj"), 1u);
    EXPECT_FALSE(s.ctx.session.doubleClickOpens);
    f.Click(w, "doubleClickCheck");
    f.Click(w, "settingsCancelButton");
  });
  EXPECT_EQ(s.fake.RegReadNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\sj"), 2u);
  EXPECT_TRUE(s.ctx.session.doubleClickOpens);
  EXPECT_TRUE(s.Messages().empty());
}

}  // namespace
}  // namespace volmere
