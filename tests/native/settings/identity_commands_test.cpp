#include <optional>

#include "settings_scene.h"

namespace volmere {
namespace {

constexpr const char kWindows7Warning[] =
    "你的操作系统为win7，要在管理员权限下才可以改名。你可以关闭软件，右击，用管理员的方式运行";
constexpr const char kRenamed[] = "修改成功！下次重启后生效！";
constexpr const char kInvalidName[] =
    "计算机名无效：最多15个字节（7个汉字），不能全是数字，不能含空格和标点符号。";
constexpr const char kWriteFailed[] = "更改失败！请右击本软件，选择以管理员身份运行后再试。";

// Records message boxes and input boxes in the one order the user meets them.
class DialogOrderFake : public FakeSystem {
 public:
  using FakeSystem::ShowMessage;
  int ShowMessage(const Text& text, int style, const Text& title) override {
    Record("message: " + text);
    return FakeSystem::ShowMessage(text, style, title);
  }
  bool AskText(const Text& prompt, const Text& title, const Text& initial, AskMode mode,
               Text* answer) override {
    Record("ask: " + prompt);
    return FakeSystem::AskText(prompt, title, initial, mode, answer);
  }
  std::vector<Text> Dialogs() {
    std::lock_guard<std::mutex> lock(mutex_);
    return dialogs_;
  }

 private:
  void Record(const Text& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    dialogs_.push_back(what);
  }
  std::mutex mutex_;
  std::vector<Text> dialogs_;
};

struct IdentityScene {
  IdentityScene() : ctx(fake, network) {
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, mainWindowEvents, false);
    fake.SetRegText(RegRoot::LocalMachine, kComputerNamePath, "PC1");
    fake.SetVersionWord(kWindowsXp);
  }
  void Run(const Text& command) {
    CommandTable table;
    RegisterSettingsCommands(table);
    ASSERT_TRUE(table.count(command)) << command;
    table[command](ctx);
  }
  std::vector<Shown> Messages() {
    std::vector<Shown> shown;
    for (const FakeSystem::Message& m : fake.Messages()) shown.emplace_back(m.text, m.style);
    return shown;
  }
  std::vector<Text> ComputerNameValues() {
    return {fake.RegReadText(RegRoot::LocalMachine, kComputerNamePath),
            fake.RegReadText(RegRoot::LocalMachine, kNvHostnamePath),
            fake.RegReadText(RegRoot::LocalMachine, kHostnamePath)};
  }
  Text Caption() { return fake.GetText(ctx.mainWindow, ""); }

  DialogOrderFake fake;
  FakeNetwork network;
  WindowEvents mainWindowEvents;
  AppContext ctx;
};

TEST(RenameComputer, AsksWithTheRegistryNameAndWritesTheAnswer) {
  struct Case {
    const char* what;
    std::optional<Text> answer;
    std::vector<Text> values;
    std::vector<Shown> messages;
  };
  const Case cases[] = {
      {"unchanged", Text("PC1"), {"PC1", "PC1", "PC1"}, {{kRenamed, MsgInformation}}},
      {"new name", Text("财务-2"), {"财务-2", "财务-2", "财务-2"}, {{kRenamed, MsgInformation}}},
      {"cancelled", std::nullopt, {"PC1", "", ""}, {}},
      {"emptied", Text(""), {"PC1", "", ""}, {}},
      {"blank in it", Text("PC 2"), {"PC1", "", ""}, {{kInvalidName, MsgWarning}}},
      {"digits only", Text("123"), {"PC1", "", ""}, {{kInvalidName, MsgWarning}}},
      {"eight Chinese characters",
       Text("财务部第二台电脑"),
       {"PC1", "", ""},
       {{kInvalidName, MsgWarning}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IdentityScene s;
    const Text captionBefore = s.Caption();
    s.fake.QueueAskAnswer(c.answer);
    s.Run("renameComputerItem");
    ASSERT_EQ(s.fake.Questions().size(), 1u);
    const FakeSystem::Question q = s.fake.Questions()[0];
    EXPECT_EQ(q.prompt, "请在下面输入要更改的计算机名！");
    EXPECT_EQ(q.title, "更改计算机名");
    EXPECT_EQ(q.initial, "PC1");
    EXPECT_EQ(q.mode, AskPlain);
    EXPECT_EQ(s.ComputerNameValues(), c.values);
    EXPECT_EQ(s.Messages(), c.messages);
    EXPECT_EQ(s.Caption(), captionBefore);
    EXPECT_EQ(s.ctx.session.computerName.Get(), "");
  }
}

TEST(RenameComputer, OnWindows7WarnsBeforeAsking) {
  for (std::uint32_t version : {kWindows7, kWindowsXp}) {
    IdentityScene s;
    s.fake.SetVersionWord(version);
    s.fake.QueueAskAnswer(Text("PC2"));
    s.Run("renameComputerItem");
    std::vector<Text> expected = {"ask: 请在下面输入要更改的计算机名！",
                                  Text("message: ") + kRenamed};
    if (version == kWindows7)
      expected.insert(expected.begin(), Text("message: ") + kWindows7Warning);
    EXPECT_EQ(s.fake.Dialogs(), expected);
    EXPECT_EQ(s.ComputerNameValues(), std::vector<Text>(3, "PC2"));
  }
}

TEST(RenameComputer, WithoutAdministratorRightsSaysSo) {
  IdentityScene s;
  s.fake.FailRegistryWrites(RegRoot::LocalMachine);
  s.fake.QueueAskAnswer(Text("PC2"));
  s.Run("renameComputerItem");
  EXPECT_EQ(s.Messages(), (std::vector<Shown>{{kWriteFailed, MsgWarning}}));
  EXPECT_EQ(s.ComputerNameValues(), (std::vector<Text>{"PC1", "", ""}));
}

TEST(ChangeCompanyName, StoresTheAnswerAndSetsTheCaption) {
  struct Case {
    const char* what;
    std::optional<Text> stored;
    std::optional<Text> answer;  // nullopt: cancelled
    Text proposed;
    Text storedAfter;
    Text caption;  // "" : unchanged
  };
  const Case cases[] = {
      {"nothing stored, OK at once", std::nullopt, Text("XX公司"), "XX公司", "XX公司",
       "XX公司Volmere6.3---我的计算机名：PC1"},
      {"new name", Text("ABC"), Text("DEF"), "ABC", "DEF", "DEFVolmere6.3---我的计算机名：PC1"},
      {"emptied", Text("ABC"), Text(""), "ABC", "", "Volmere6.3---我的计算机名：PC1"},
      {"cancelled", Text("ABC"), std::nullopt, "ABC", "ABC", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IdentityScene s;
    if (c.stored) s.fake.SetRegText(RegRoot::CurrentUser, kCompanyPath, *c.stored);
    const Text captionBefore = s.Caption();
    s.fake.QueueAskAnswer(c.answer);
    s.Run("companyNameItem");
    ASSERT_EQ(s.fake.Questions().size(), 1u);
    EXPECT_EQ(s.fake.Questions()[0].prompt, "请输入规公司的名称！");
    EXPECT_EQ(s.fake.Questions()[0].title, "公司名称");
    EXPECT_EQ(s.fake.Questions()[0].initial, c.proposed);
    EXPECT_EQ(s.fake.RegReadText(RegRoot::CurrentUser, kCompanyPath), c.storedAfter);
    if (c.answer) {
      EXPECT_TRUE(s.fake.RegHasValue(RegRoot::CurrentUser, kCompanyPath));
      EXPECT_EQ(s.Caption(), c.caption);
      EXPECT_EQ(s.Messages(), (std::vector<Shown>{{"设置成功", MsgInformation}}));
    } else {
      EXPECT_EQ(s.Caption(), captionBefore);
      EXPECT_TRUE(s.Messages().empty());
      EXPECT_TRUE(s.fake.RegWrites().empty());
    }
  }
}

}  // namespace
}  // namespace volmere
