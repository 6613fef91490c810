#include "settings_scene.h"

namespace volmere {
namespace {

constexpr const char kRenamedMessage[] = "更改成功,计算机名需重启计算机生效!";
constexpr const char kInvalidName[] =
    "计算机名无效：最多15个字节（7个汉字），不能全是数字，不能含空格和标点符号。";
constexpr const char kWriteFailed[] = "更改失败！请右击本软件，选择以管理员身份运行后再试。";
constexpr const char kInvalidWorkgroup[] =
    "工作组名无效：最多15个字节，不能含 \\ / : * ? \" < > | % 等符号。";
constexpr const char kWorkgroupBatch[] = "C:\\TEMP\\\\工作组.bat";

// What the user types before pressing "确定"; a null field is left as loaded.
struct Edits {
  const char* company = nullptr;
  const char* computerName = nullptr;
  const char* workgroup = nullptr;
};

void PressOk(SettingsScene& s, Edits edits) {
  s.WithSettingsOpen([edits](FakeSystem& f, WindowId w) {
    if (edits.company) f.Type(w, "companyNameEdit", edits.company);
    if (edits.computerName) f.Type(w, "computerNameEdit", edits.computerName);
    if (edits.workgroup) f.Type(w, "workgroupEdit", edits.workgroup);
    f.Click(w, "settingsOkButton");
  });
  EXPECT_EQ(s.fake.FindWindow("SettingsWindow"), 0u) << "the window closes";
}

TEST(SettingsOk, WithoutEditsStoresTheShownCompanyAndSetsTheCaption) {
  SettingsScene s;
  PressOk(s, {});
  EXPECT_EQ(s.Company(), "XX公司");
  EXPECT_TRUE(s.fake.RegHasValue(RegRoot::CurrentUser, kCompanyPath));
  EXPECT_EQ(s.Caption(), "XX公司Volmere6.3---我的计算机名：PC1");
  EXPECT_TRUE(s.MachineWrites().empty());
  EXPECT_TRUE(s.fake.FileWrites().empty());
  EXPECT_TRUE(s.fake.Commands().empty());
  EXPECT_TRUE(s.startupWorkerStarts.empty());
  EXPECT_TRUE(s.Messages().empty());
}

TEST(SettingsOk, AnEmptiedCompanyIsStoredEmpty) {
  SettingsScene s;
  s.fake.SetRegText(RegRoot::CurrentUser, kCompanyPath, "ABC");
  PressOk(s, {""});
  EXPECT_TRUE(s.fake.RegHasValue(RegRoot::CurrentUser, kCompanyPath));
  EXPECT_EQ(s.Company(), "");
  EXPECT_EQ(s.Caption(), "Volmere6.3---我的计算机名：PC1");
}

TEST(SettingsOk, ComputerNameRules) {
  struct Case {
    const char* typed;
    bool written;
    std::vector<Shown> messages;
  };
  const Case cases[] = {
      {"PC1", false, {}},
      {"", false, {}},
      {"pc1", true, {{kRenamedMessage, MsgInformation}}},
      {"财务-2", true, {{kRenamedMessage, MsgInformation}}},
      {"PC 2", false, {{kInvalidName, MsgWarning}}},
      {"20260101", false, {{kInvalidName, MsgWarning}}},
      {"ACCOUNTING-PC-16", false, {{kInvalidName, MsgWarning}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SettingsScene s;
    PressOk(s, {"ABC", c.typed});
    EXPECT_EQ(s.Messages(), c.messages);
    if (c.written) {
      EXPECT_EQ(s.ComputerNameValues(), std::vector<Text>(3, c.typed));
      EXPECT_EQ(s.MachineWrites().size(), 3u);
    } else {
      EXPECT_TRUE(s.MachineWrites().empty());
    }
    // The caption is set before the rename, with the name Windows still has.
    EXPECT_EQ(s.Caption(), "ABCVolmere6.3---我的计算机名：PC1");
    EXPECT_EQ(s.Company(), "ABC");
  }
}

TEST(SettingsOk, ComputerNameThatCannotBeWrittenIsReported) {
  SettingsScene s;
  s.fake.FailRegistryWrites(RegRoot::LocalMachine);
  PressOk(s, {nullptr, "PC2"});
  EXPECT_EQ(s.Messages(), (std::vector<Shown>{{kWriteFailed, MsgWarning}}));
  EXPECT_EQ(s.ComputerNameValues(), (std::vector<Text>{"PC1", "", ""}));
  EXPECT_EQ(s.Company(), "XX公司");
}

TEST(SettingsOk, WorkgroupRules) {
  struct Case {
    const char* typed;
    bool changes;
  };
  const Case cases[] = {
      {"WORKGROUP", false}, {"", false},       {"workgroup", true},
      {"OFFICE2026", true}, {"财务 部", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SettingsScene s;
    PressOk(s, {nullptr, nullptr, c.typed});
    EXPECT_TRUE(s.Messages().empty());
    if (!c.changes) {
      EXPECT_TRUE(s.fake.FileWrites().empty());
      EXPECT_TRUE(s.fake.Commands().empty());
      EXPECT_TRUE(s.startupWorkerStarts.empty());
      continue;
    }
    const Text expected = Text(
                              "wmic computersystem where Name=\"%COMPUTERNAME%\" call "
                              "JoinDomainOrWorkgroup Name=\"") +
                          c.typed + "\"";
    EXPECT_EQ(s.fake.FileContent(kWorkgroupBatch), expected);
    ASSERT_EQ(s.fake.Commands().size(), 1u);
    EXPECT_EQ(s.fake.Commands()[0].commandLine, kWorkgroupBatch);
    EXPECT_TRUE(s.fake.Commands()[0].wait);
    EXPECT_TRUE(s.fake.Commands()[0].hidden);
    // One new start-up worker, once the batch has run.
    EXPECT_EQ(s.startupWorkerStarts, std::vector<int>{1});
  }
}

TEST(SettingsOk, TenCharacterWorkgroupBatchIs92Bytes) {
  SettingsScene s;
  PressOk(s, {nullptr, nullptr, "OFFICE2026"});
  const Text batch = s.fake.FileContent(kWorkgroupBatch);
  EXPECT_EQ(batch.size(), 92u);
  EXPECT_EQ(batch.substr(batch.size() - 12), "\"OFFICE2026\"");
}

TEST(SettingsOk, WorkgroupThatWouldBreakTheBatchIsRefused) {
  for (const char* typed :
       {"A%USERNAME%", "A\" & del *.* & \"", "A|B", "A/B", "A\\B", "ACCOUNTING-GROUP"}) {
    SCOPED_TRACE(typed);
    SettingsScene s;
    PressOk(s, {"ABC", "PC2", typed});
    EXPECT_EQ(s.Messages(), (std::vector<Shown>{{kRenamedMessage, MsgInformation},
                                                {kInvalidWorkgroup, MsgWarning}}));
    EXPECT_FALSE(s.fake.FileExists(kWorkgroupBatch));
    EXPECT_TRUE(s.fake.Commands().empty());
    EXPECT_TRUE(s.startupWorkerStarts.empty());
    // The other steps still happen.
    EXPECT_EQ(s.Company(), "ABC");
    EXPECT_EQ(s.Caption(), "ABCVolmere6.3---我的计算机名：PC1");
    EXPECT_EQ(s.ComputerNameValues(), std::vector<Text>(3, "PC2"));
  }
}

TEST(SettingsOk, UnchangedNameIsComparedWithWhatTheWindowLoaded) {
  // Renamed behind the window's back after it loaded: the field still shows
  // the loaded name, so leaving it is no rename.
  SettingsScene s;
  s.WithSettingsOpen([](FakeSystem& f, WindowId w) {
    f.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC9");
    f.Click(w, "settingsOkButton");
  });
  EXPECT_TRUE(s.MachineWrites().empty());
  EXPECT_EQ(s.Caption(), "XX公司Volmere6.3---我的计算机名：PC9");
}

}  // namespace
}  // namespace volmere
