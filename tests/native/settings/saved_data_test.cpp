#include "settings_scene.h"

namespace volmere {
namespace {

TEST(ClearSavedData, DeletesTheListedPasswordsAndTheCompany) {
  for (bool listed : {false, true}) {
    SCOPED_TRACE(listed);
    SettingsScene s;
    s.fake.SetRegText(RegRoot::CurrentUser, kCompanyPath, "ABC");
    s.fake.PutFile("C:\\TEMP\\PC2.txt", "secret");
    s.fake.PutFile("C:\\TEMP\\PC9.txt", "other");
    if (listed) {
      s.fake.ListAdd(s.ctx.mainWindow, "computerList", "PC2", OnlineImage);
      s.fake.ListAdd(s.ctx.mainWindow, "computerList", "127.0.0.3", PendingImage);
    }
    s.WithSettingsOpen([](FakeSystem& f, WindowId w) {
      EXPECT_EQ(f.GetText(w, "companyNameEdit"), "ABC");
      f.Type(w, "companyNameEdit", "typed");
      f.Type(w, "computerNameEdit", "typed");
      f.Type(w, "workgroupEdit", "typed");
      f.Click(w, "clearSavedDataButton");
      EXPECT_TRUE(f.IsWindowOpen(w));
      // Loaded again, over what was typed.
      EXPECT_EQ(f.GetText(w, "companyNameEdit"), "XX公司");
      EXPECT_EQ(f.GetText(w, "computerNameEdit"), "PC1");
      EXPECT_EQ(f.GetText(w, "workgroupEdit"), "WORKGROUP");
      f.Click(w, "settingsCancelButton");
    });
    const std::vector<Text> deleted =
        listed ? std::vector<Text>{"C:\\TEMP\\PC2.txt", "C:\\TEMP\\127.0.0.3.txt"}
               : std::vector<Text>{};
    EXPECT_EQ(s.fake.Deletions(), deleted);
    EXPECT_EQ(s.fake.FileExists("C:\\TEMP\\PC2.txt"), !listed);
    EXPECT_TRUE(s.fake.FileExists("C:\\TEMP\\PC9.txt"));
    EXPECT_TRUE(s.fake.RegHasValue(RegRoot::CurrentUser, kCompanyPath));
    EXPECT_EQ(s.Company(), "");
    EXPECT_EQ(s.Messages(), (std::vector<Shown>{{"清除成功！", MsgInformation}}));
    EXPECT_EQ(s.Caption(), "XX公司Volmere---我的计算机名：PC1");
  }
}

}  // namespace
}  // namespace volmere
