#include "settings_scene.h"

namespace volmere {
namespace {

constexpr const char* kAnonymous001Path = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
constexpr const char* kAnonymousCurrentPath =
    "SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous";
constexpr const char kSwitchedOn[] = "开启共享成功，部分计算机需要重新启动！";
constexpr const char kFailed[] = "设置失败！请右击本软件，选择以管理员身份运行后再试。";

// Each mode's batch, as an administrator's run would leave the registry.
void BatchesTakeEffect(FakeSystem& fake) {
  const std::pair<const char*, std::uint32_t> batches[] = {
      {"开共享.bat", 0}, {"开启共享.bat", 0}, {"关闭共享.bat", 1}};
  for (const auto& batch : batches) {
    const std::uint32_t value = batch.second;
    fake.OnCommand(batch.first, [&fake, value](const Text&) {
      fake.SetRegNumber(RegRoot::LocalMachine, kAnonymous001Path, value);
      fake.SetRegNumber(RegRoot::LocalMachine, kAnonymousCurrentPath, value);
      return 0;
    });
  }
}

TEST(ApplySharingMode, RunsTheCheckedModeOnceThenCloses) {
  struct Case {
    const char* radio;
    const char* batch;
    bool takesEffect;
    Shown message;
  };
  const Case cases[] = {
      {"sharingWithPasswordRadio", "D:\\tools\\开共享.bat", true, {kSwitchedOn, MsgInformation}},
      {"sharingOpenRadio", "D:\\tools\\开启共享.bat", true, {kSwitchedOn, MsgInformation}},
      {"sharingOffRadio", "D:\\tools\\关闭共享.bat", true, {"关闭开启共享成功！", MsgInformation}},
      {"sharingWithPasswordRadio", "D:\\tools\\开共享.bat", false, {kFailed, MsgWarning}},
      {"sharingOffRadio", "D:\\tools\\关闭共享.bat", false, {kFailed, MsgWarning}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radio);
    SettingsScene s;
    if (c.takesEffect) BatchesTakeEffect(s.fake);
    s.WithSettingsOpen([&c](FakeSystem& f, WindowId w) {
      f.Click(w, c.radio);
      EXPECT_TRUE(f.Commands().empty()) << "the radio alone does nothing";
      f.Click(w, "applySharingButton");
    });
    ASSERT_EQ(s.fake.Commands().size(), 1u);
    EXPECT_EQ(s.fake.Commands()[0].commandLine, c.batch);
    EXPECT_EQ(s.Messages(), std::vector<Shown>{c.message});
    EXPECT_EQ(s.fake.FindWindow("SettingsWindow"), 0u);
  }
}

}  // namespace
}  // namespace volmere
