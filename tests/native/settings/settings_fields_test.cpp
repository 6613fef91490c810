#include <optional>

#include "settings_scene.h"

namespace volmere {
namespace {

constexpr const char* kDenyPath =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\fDenyTSConnections";
constexpr const char* kAnonymous001Path = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
constexpr const char* kAnonymousCurrentPath =
    "SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous";
constexpr const char* kForceGuestPath = "SYSTEM\\CurrentControlSet\\Control\\Lsa\\forceguest";
constexpr const char* kOpenModePath = "SOFTWARE\\Volmere\\sj";

using Number = std::optional<std::uint32_t>;  // nullopt: the value is missing

struct FieldCase {
  const char* what;
  std::optional<Text> company;
  Number deny, anonymous001, anonymousCurrent, forceGuest, openMode;
  Text companyShown;
  const char* remoteRadio;
  const char* sharingRadio;
  bool doubleClick;
};

void SetNumber(FakeSystem& fake, RegRoot root, const char* path, Number n) {
  if (n) fake.SetRegNumber(root, path, *n);
}

std::vector<Text> Checked(FakeSystem& fake, WindowId w, std::vector<Text> radios) {
  std::vector<Text> checked;
  for (const Text& radio : radios) {
    if (fake.IsChecked(w, radio)) checked.push_back(radio);
  }
  return checked;
}

TEST(LoadSettingsFields, FillsTheFieldsFromTheRegistry) {
  const FieldCase cases[] = {
      {"fresh system",
       std::nullopt,
       {},
       {},
       {},
       {},
       {},
       "XX公司",
       "remoteDesktopOnRadio",
       "sharingWithPasswordRadio",
       false},
      {"empty company",
       Text(""),
       0,
       0,
       {},
       0,
       1,
       "XX公司",
       "remoteDesktopOnRadio",
       "sharingWithPasswordRadio",
       false},
      {"open sharing", Text("ABC"), 1, 0, 0, 1, 2, "ABC", "remoteDesktopOffRadio",
       "sharingOpenRadio", true},
      {"forceguest missing",
       Text("ABC"),
       0,
       0,
       {},
       {},
       {},
       "ABC",
       "remoteDesktopOnRadio",
       "sharingWithPasswordRadio",
       false},
      {"off, forceguest 1",
       {},
       2,
       1,
       1,
       1,
       {},
       "XX公司",
       "remoteDesktopOffRadio",
       "sharingOffRadio",
       false},
      {"off, forceguest 0",
       {},
       {},
       1,
       1,
       0,
       {},
       "XX公司",
       "remoteDesktopOnRadio",
       "sharingOffRadio",
       false},
      {"off, forceguest missing",
       {},
       {},
       1,
       {},
       {},
       {},
       "XX公司",
       "remoteDesktopOnRadio",
       "sharingOffRadio",
       false},
      // Only the first control set is looked at.
      {"current control set off",
       {},
       {},
       0,
       1,
       1,
       {},
       "XX公司",
       "remoteDesktopOnRadio",
       "sharingOpenRadio",
       false},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsScene s;
    if (c.company) s.fake.SetRegText(RegRoot::CurrentUser, kCompanyPath, *c.company);
    SetNumber(s.fake, RegRoot::LocalMachine, kDenyPath, c.deny);
    SetNumber(s.fake, RegRoot::LocalMachine, kAnonymous001Path, c.anonymous001);
    SetNumber(s.fake, RegRoot::LocalMachine, kAnonymousCurrentPath, c.anonymousCurrent);
    SetNumber(s.fake, RegRoot::LocalMachine, kForceGuestPath, c.forceGuest);
    SetNumber(s.fake, RegRoot::CurrentUser, kOpenModePath, c.openMode);
    s.WithSettingsOpen([&](FakeSystem& f, WindowId w) {
      EXPECT_EQ(f.GetText(w, "companyNameEdit"), c.companyShown);
      EXPECT_EQ(f.GetText(w, "computerNameEdit"), "PC1");
      EXPECT_EQ(f.GetText(w, "workgroupEdit"), "WORKGROUP");
      EXPECT_EQ(Checked(f, w, {"remoteDesktopOnRadio", "remoteDesktopOffRadio"}),
                std::vector<Text>{c.remoteRadio});
      EXPECT_EQ(Checked(f, w, {"sharingWithPasswordRadio", "sharingOpenRadio", "sharingOffRadio"}),
                std::vector<Text>{c.sharingRadio});
      EXPECT_EQ(f.IsChecked(w, "doubleClickCheck"), c.doubleClick);
      f.Click(w, "settingsCancelButton");
    });
    EXPECT_TRUE(s.fake.RegWrites().empty());
    EXPECT_TRUE(s.Messages().empty());
  }
}

TEST(LoadSettingsFields, RunsOnAWorkerAndOutlivesTheWindow) {
  SettingsScene s;
  s.fake.OnWindowOpened("SettingsWindow",
                        [](FakeSystem& f, WindowId w) { f.Click(w, "settingsCancelButton"); });
  s.Run("sharingSettingsButton");
  s.fake.WaitForWorkers();
  EXPECT_EQ(s.fake.StartedWorkerCount(), 1);
  EXPECT_EQ(s.fake.FindWindow("SettingsWindow"), 0u);
}

}  // namespace
}  // namespace volmere
