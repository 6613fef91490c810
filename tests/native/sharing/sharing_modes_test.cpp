#include "sharing/sharing_modes.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/fake/fake_system.h"
#include "sharing/sharing_mode_files.h"

namespace volmere {
namespace {

const char kCs001[] = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
const char kCurrent[] = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous";

struct ModeCase {
  const char* name;
  std::function<bool(SystemServices&)> apply;
  std::vector<std::pair<Text, std::function<Text()>>> writes;  // in order
  Text batch;
  std::vector<Text> deletions;
  std::uint32_t restrictAnonymous;  // what a batch that works leaves behind
};

std::vector<ModeCase> Modes() {
  return {
      {"open",
       EnableSharingOpen,
       {{"D:\\tools\\开启共享.reg", OpenModeRegistryText},
        {"D:\\tools\\security.inf", SecurityTemplateText},
        {"D:\\tools\\开启共享.bat", OpenModeBatchText}},
       "D:\\tools\\开启共享.bat",
       {"D:\\tools\\开启共享.bat", "D:\\tools\\开启共享.reg", "D:\\tools\\security.inf",
        "D:\\tools\\secsetup.sdb"},
       0},
      {"password",
       EnableSharingWithPassword,
       {{"D:\\tools\\开共享.reg", PasswordModeRegistryText},
        {"D:\\tools\\security.inf", SecurityTemplateText},
        {"D:\\tools\\开共享.bat", PasswordModeBatchText}},
       "D:\\tools\\开共享.bat",
       {"D:\\tools\\开共享.bat", "D:\\tools\\开共享.reg", "D:\\tools\\security.inf",
        "D:\\tools\\secsetup.sdb"},
       0},
      {"off",
       DisableSharing,
       {{"D:\\tools\\关闭共享.reg", OffModeRegistryText},
        {"D:\\tools\\关闭共享.bat", OffModeBatchText}},
       "D:\\tools\\关闭共享.bat",
       {"D:\\tools\\关闭共享.bat", "D:\\tools\\关闭共享.reg"},
       1},
  };
}

// The batch stands for Windows' own tools: scripted, it sets the Lsa values
// the way its registry file would.
void BatchSets(FakeSystem& fake, const Text& batch, std::uint32_t cs001, std::uint32_t current) {
  fake.OnCommand(batch, [&fake, cs001, current](const Text&) {
    fake.SetRegNumber(RegRoot::LocalMachine, kCs001, cs001);
    fake.SetRegNumber(RegRoot::LocalMachine, kCurrent, current);
    return 0;
  });
}

TEST(SharingModes, WritesRunsHiddenWaitedThenDeletes) {
  for (const ModeCase& mode : Modes()) {
    SCOPED_TRACE(mode.name);
    FakeSystem fake;
    BatchSets(fake, mode.batch, mode.restrictAnonymous, mode.restrictAnonymous);

    EXPECT_TRUE(mode.apply(fake));

    const std::vector<FakeSystem::FileWrite> writes = fake.FileWrites();
    ASSERT_EQ(writes.size(), mode.writes.size());
    for (std::size_t i = 0; i < writes.size(); ++i) {
      EXPECT_EQ(writes[i].path, mode.writes[i].first);
      EXPECT_EQ(writes[i].content, mode.writes[i].second());
    }
    const std::vector<FakeSystem::Command> commands = fake.Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].commandLine, mode.batch);
    EXPECT_TRUE(commands[0].wait);
    EXPECT_TRUE(commands[0].hidden);
    EXPECT_EQ(fake.Deletions(), mode.deletions);
    for (const auto& write : mode.writes) EXPECT_FALSE(fake.FileExists(write.first));
    EXPECT_TRUE(fake.RegWrites().empty())
        << "the batch's tools change the registry, not the program";
  }
}

TEST(SharingModes, FilesAreThereWhileTheBatchRuns) {
  for (const ModeCase& mode : Modes()) {
    SCOPED_TRACE(mode.name);
    FakeSystem fake;
    std::vector<Text> presentDuringRun;
    fake.OnCommand(mode.batch, [&](const Text&) {
      for (const auto& write : mode.writes) {
        if (fake.FileContent(write.first) == write.second())
          presentDuringRun.push_back(write.first);
      }
      return 0;
    });
    mode.apply(fake);
    EXPECT_EQ(presentDuringRun.size(), mode.writes.size());
  }
}

TEST(SharingModes, BatchThatCannotStartStillDeletesAndReportsFailure) {
  for (const ModeCase& mode : Modes()) {
    SCOPED_TRACE(mode.name);
    FakeSystem fake;
    fake.SetRegNumber(RegRoot::LocalMachine, kCs001, mode.restrictAnonymous);
    fake.SetRegNumber(RegRoot::LocalMachine, kCurrent, mode.restrictAnonymous);
    fake.FailToStart(mode.batch);

    EXPECT_FALSE(mode.apply(fake));
    EXPECT_EQ(fake.Commands().size(), 1u);
    EXPECT_EQ(fake.Deletions(), mode.deletions);
  }
}

TEST(SharingModes, TookEffectOnlyWhenBothControlSetsReadBack) {
  struct ReadBack {
    const char* what;
    bool set;  // false: the batch leaves the values missing
    std::uint32_t cs001, current;
  };
  for (const ModeCase& mode : Modes()) {
    const std::uint32_t want = mode.restrictAnonymous;
    const std::uint32_t other = 1 - want;
    const ReadBack cases[] = {
        {"both set", true, want, want},
        {"ControlSet001 unchanged", true, other, want},
        {"CurrentControlSet unchanged", true, want, other},
        {"neither changed", true, other, other},
        {"values missing", false, 0, 0},
    };
    for (const ReadBack& c : cases) {
      SCOPED_TRACE(std::string(mode.name) + ": " + c.what);
      FakeSystem fake;
      if (c.set) BatchSets(fake, mode.batch, c.cs001, c.current);
      const bool expected = c.set && c.cs001 == want && c.current == want;
      EXPECT_EQ(mode.apply(fake), expected);
    }
  }
}

TEST(SharingModes, ProgramInADriveRootWritesNextToIt) {
  FakeSystem fake;
  fake.SetDirectories("C:\\TEMP\\", "C:\\WINDOWS\\", "E:");
  DisableSharing(fake);
  ASSERT_EQ(fake.Commands().size(), 1u);
  EXPECT_EQ(fake.Commands()[0].commandLine, "E:\\关闭共享.bat");
  EXPECT_EQ(fake.FileWrites()[0].path, "E:\\关闭共享.reg");
}

TEST(SharingModes, ProbeCountsSharingOnWhenEitherControlSetAllowsAnonymous) {
  struct ProbeCase {
    bool hasCs001;
    std::uint32_t cs001;
    bool hasCurrent;
    std::uint32_t current;
    bool on;
  };
  const ProbeCase cases[] = {
      {false, 0, false, 0, true},  // missing values read as 0
      {true, 1, true, 0, true},   {true, 0, true, 1, true},  {true, 0, true, 0, true},
      {true, 1, false, 0, true},  {true, 1, true, 1, false}, {true, 2, true, 7, false},
  };
  for (const ProbeCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.hasCs001 << "/" << c.cs001 << " " << c.hasCurrent << "/" << c.current);
    FakeSystem fake;
    if (c.hasCs001) fake.SetRegNumber(RegRoot::LocalMachine, kCs001, c.cs001);
    if (c.hasCurrent) fake.SetRegNumber(RegRoot::LocalMachine, kCurrent, c.current);
    EXPECT_EQ(SharingEnabledProbe(fake), c.on);
    EXPECT_TRUE(fake.Commands().empty());
  }
}

}  // namespace
}  // namespace volmere
