#include "settings_scene.h"

namespace volmere {
namespace {

constexpr const char* kDenyPath =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\fDenyTSConnections";
constexpr const char kOnBatch[] = "C:\\TEMP\\开启.bat";
constexpr const char kOffBatch[] = "C:\\TEMP\\关闭.bat";
constexpr const char kRegAdd[] =
    "@REG ADD HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal\" \"Server /v fDenyTSConnections "
    "/t REG_DWORD /d ";
constexpr const char kWindows7Warning[] =
    "服务已开启！由于你的是Windows 7系统，牵涉到权限问题，请到控制面板--系统--远程设置--选择用户"
    "里设置！另加自行关闭防火墙!";

void ClickRadio(SettingsScene& s, const char* radio) {
  s.WithSettingsOpen([radio](FakeSystem& f, WindowId w) {
    f.Click(w, radio);
    EXPECT_TRUE(f.IsWindowOpen(w)) << "acts at once; the window stays";
    f.Click(w, "settingsCancelButton");
  });
}

TEST(RemoteDesktopSwitch, OnStartsItsBatchAndNamesTheEdition) {
  struct Case {
    std::uint32_t version;
    Shown message;
  };
  const Case cases[] = {
      {kWindows7, {kWindows7Warning, MsgWarning}},
      {kWindowsXp, {"开启成功！", MsgInformation}},
      {0x0006, {"开启成功！", MsgInformation}},
  };
  for (const Case& c : cases) {
    SettingsScene s;
    s.fake.SetVersionWord(c.version);
    s.fake.SetRegNumber(RegRoot::LocalMachine, kDenyPath, 1);
    ClickRadio(s, "remoteDesktopOnRadio");
    const Text batch = s.fake.FileContent(kOnBatch);
    EXPECT_EQ(batch, Text(kRegAdd) + "00000000 /f\r\nnet stop sharedaccess");
    EXPECT_EQ(batch.size(), 137u);
    ASSERT_EQ(s.fake.Commands().size(), 1u);
    EXPECT_EQ(s.fake.Commands()[0].commandLine, kOnBatch);
    EXPECT_FALSE(s.fake.Commands()[0].wait);
    EXPECT_TRUE(s.fake.Commands()[0].hidden);
    EXPECT_EQ(s.Messages(), std::vector<Shown>{c.message});
  }
}

TEST(RemoteDesktopSwitch, OffWaitsAndReportsWhatTheRegistryHolds) {
  for (bool takesEffect : {true, false}) {
    SCOPED_TRACE(takesEffect);
    SettingsScene s;
    if (takesEffect) {
      s.fake.OnCommand("关闭.bat", [&s](const Text&) {
        s.fake.SetRegNumber(RegRoot::LocalMachine, kDenyPath, 1);
        return 0;
      });
    }
    ClickRadio(s, "remoteDesktopOffRadio");
    const Text batch = s.fake.FileContent(kOffBatch);
    EXPECT_EQ(batch, Text(kRegAdd) + "00000001 /f");
    EXPECT_EQ(batch.size(), 114u);
    ASSERT_EQ(s.fake.Commands().size(), 1u);
    EXPECT_EQ(s.fake.Commands()[0].commandLine, kOffBatch);
    EXPECT_TRUE(s.fake.Commands()[0].wait);
    EXPECT_TRUE(s.fake.Commands()[0].hidden);
    const Shown expected =
        takesEffect ? Shown{"关闭成功！", MsgInformation}
                    : Shown{"关闭失败！请右击本软件，选择以管理员身份运行后再试。", MsgWarning};
    EXPECT_EQ(s.Messages(), std::vector<Shown>{expected});
  }
}

}  // namespace
}  // namespace volmere
