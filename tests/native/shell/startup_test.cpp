#include "app/startup.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/native/shell/shell_scene.h"

namespace volmere {
namespace {

const Text kUsualLine = "工作站域                          WORKGROUP\r\n";

class Startup : public ::testing::Test, public ShellScene {
 protected:
  void SetUp() override { OpenBareMainWindow(); }

  // Runs start-up on the calling thread; the list pass it starts is
  // recorded with what it would find in the caption and SessionState.
  void RunStartup() {
    StartupWorker(ctx, [this](AppContext& started) {
      pass.push_back({fake.GetText(started.mainWindow, ""), started.session.computerName.Get(),
                      started.session.workgroup.Get()});
    });
  }

  struct PassStart {
    Text caption;
    Text computerName;
    Text workgroup;
  };
  std::vector<PassStart> pass;
};

TEST_F(Startup, CaptionGetsCompanyAndComputerNameThenTheWorkgroup) {
  fake.SetRegText(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\gsm", "ABC");
  fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
  netConfigOutput = kUsualLine;
  RunStartup();

  EXPECT_EQ(Captions(), (std::vector<Text>{"ABCVolmere---计算机名：PC1",
                                           "ABCVolmere---计算机名：PC1  工作组：WORKGROUP"}));
  EXPECT_EQ(ctx.session.computerName.Get(), "PC1");
  EXPECT_EQ(ctx.session.workgroup.Get(), "WORKGROUP");
  ASSERT_EQ(pass.size(), 1u);
  EXPECT_EQ(pass[0].caption, "ABCVolmere---计算机名：PC1  工作组：WORKGROUP");
  EXPECT_EQ(pass[0].computerName, "PC1");
  EXPECT_EQ(pass[0].workgroup, "WORKGROUP");
  EXPECT_TRUE(fake.RegWrites().empty());
}

TEST_F(Startup, NothingKnownLeavesTheDefaultCompanyAndEmptyNames) {
  RunStartup();

  EXPECT_EQ(Captions(), (std::vector<Text>{"xx公司局域网Volmere---计算机名：",
                                           "xx公司局域网Volmere---计算机名：  工作组："}));
  EXPECT_EQ(ctx.session.workgroup.Get(), "");
  EXPECT_EQ(pass.size(), 1u);
}

TEST_F(Startup, ProbeBatchQuotesAProgramFolderWithSpacesAndRunsHiddenAndWaited) {
  fake.SetDirectories("C:\\Temp Files\\", "C:\\WINDOWS\\", "D:\\My Tools");
  netConfigOutput = kUsualLine;
  RunStartup();

  const Text batch = "C:\\Temp Files\\\\取工作组.bat";
  ASSERT_EQ(fake.FileWrites().size(), 1u);
  EXPECT_EQ(fake.FileWrites()[0].path, batch);
  EXPECT_EQ(fake.FileWrites()[0].content,
            "net config workstation | find \"工作站域\" | find /V \"DNS\">>\"D:\\My "
            "Tools\\works.ini\"");
  ASSERT_EQ(fake.Commands().size(), 1u);
  EXPECT_EQ(fake.Commands()[0].commandLine, batch);
  EXPECT_TRUE(fake.Commands()[0].wait);
  EXPECT_TRUE(fake.Commands()[0].hidden);
  EXPECT_EQ(fake.Deletions(), std::vector<Text>{"D:\\My Tools\\works.ini"});
  EXPECT_FALSE(fake.FileExists("D:\\My Tools\\works.ini"));
  EXPECT_EQ(ctx.session.workgroup.Get(), "WORKGROUP");
}

TEST_F(Startup, WorksIniLosesItsLabelLineBreaksAndEverySpace) {
  struct Case {
    Text leftOver;  // works.ini before the probe runs
    Text printed;   // what the batch appends
    Text workgroup;
  };
  const std::vector<Case> cases = {
      {"", kUsualLine, "WORKGROUP"},
      {"", "工作站域　　  WORKGROUP　\r\n", "WORKGROUP"},
      {"", "工作站域        MY GROUP\r\n", "MYGROUP"},
      {"", "", ""},
      // An earlier run could not delete the file: the line is there twice.
      {kUsualLine, kUsualLine, "WORKGROUPWORKGROUP"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.printed);
    if (!c.leftOver.empty()) fake.PutFile(WorksFile(), c.leftOver);
    netConfigOutput = c.printed;
    EXPECT_EQ(WorkgroupProbe(fake), c.workgroup);
    EXPECT_FALSE(fake.FileExists(WorksFile()));
  }
}

TEST_F(Startup, AutoCloseIsOffOnlyForExactlyOne) {
  struct Case {
    const char* zdgb;  // nullptr: no value
    bool checked;
  };
  const std::vector<Case> cases = {
      {nullptr, true}, {"0", true}, {"", true}, {" 1", true}, {"01", true}, {"1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zdgb ? c.zdgb : "(missing)");
    if (c.zdgb) {
      fake.SetRegText(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\zdgb", c.zdgb);
    } else {
      fake.RemoveRegValue(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\zdgb");
    }
    fake.SetChecked(ctx.mainWindow, "autoCloseCheck", !c.checked);
    RunStartup();
    EXPECT_EQ(fake.IsChecked(ctx.mainWindow, "autoCloseCheck"), c.checked);
  }
  EXPECT_TRUE(fake.RegWrites().empty());
}

TEST_F(Startup, DoubleClickOpensOnlyForTheNumberTwo) {
  struct Case {
    const char* label;
    std::function<void(FakeSystem&)> store;
    bool doubleClick;
  };
  const Text sj = "SOFTWARE\\Volmere\\sj";
  const std::vector<Case> cases = {
      {"missing", [&](FakeSystem& f) { f.RemoveRegValue(RegRoot::CurrentUser, sj); }, false},
      {"1", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, sj, 1); }, false},
      {"2", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, sj, 2); }, true},
      {"3", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, sj, 3); }, false},
      {"text 2", [&](FakeSystem& f) { f.SetRegText(RegRoot::CurrentUser, sj, "2"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    c.store(fake);
    ctx.session.doubleClickOpens = !c.doubleClick;
    RunStartup();
    EXPECT_EQ(ctx.session.doubleClickOpens.load(), c.doubleClick);
  }
}

// After a change of workgroup start-up runs again and takes everything
// afresh, its caption included.
TEST_F(Startup, ASecondRunRewritesNamesAndCaption) {
  fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
  netConfigOutput = "工作站域   WG1\r\n";
  RunStartup();
  fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC2");
  netConfigOutput = "工作站域   WG2\r\n";
  RunStartup();

  EXPECT_EQ(fake.GetText(ctx.mainWindow, ""), "xx公司局域网Volmere---计算机名：PC2  工作组：WG2");
  EXPECT_EQ(ctx.session.computerName.Get(), "PC2");
  EXPECT_EQ(ctx.session.workgroup.Get(), "WG2");
  ASSERT_EQ(pass.size(), 2u);
  EXPECT_EQ(pass[1].workgroup, "WG2");
}

// List workers read the names while start-up replaces them: each read is
// one whole name, the old or the new.
TEST_F(Startup, ReadersDuringASecondRunSeeWholeNames) {
  const Text oldName = "AN-OLD-COMPUTER-NAME-LONGER-THAN-SSO";
  const Text newName = "PC2";
  ctx.session.computerName.Set(oldName);
  fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, newName);
  std::atomic<bool> done{false};
  std::thread reader([&] {
    while (!done) {
      Text seen = ctx.session.computerName.Get();
      if (seen != oldName && seen != newName) ADD_FAILURE() << seen;
    }
  });
  fake.StartWorker([this](int) { RunStartup(); }, 1);
  fake.WaitForWorkers();
  done = true;
  reader.join();
  EXPECT_EQ(ctx.session.computerName.Get(), newName);
}

}  // namespace
}  // namespace volmere
