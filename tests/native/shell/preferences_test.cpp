#include "app/preferences.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"

namespace volmere {
namespace {

// How start-up reads the first-run marker and the company name is covered
// with MainWindow and start-up; the view switch is read by the list passes.
TEST(Preferences, ShowAddressesForAnyNonZeroNumber) {
  struct Case {
    const char* label;
    std::function<void(FakeSystem&)> store;
    bool addresses;
  };
  const Text ckfs = "SOFTWARE\\Volmere\\ckfs";
  const std::vector<Case> cases = {
      {"missing", [](FakeSystem&) {}, false},
      {"0", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, ckfs, 0); }, false},
      {"1", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, ckfs, 1); }, true},
      {"5", [&](FakeSystem& f) { f.SetRegNumber(RegRoot::CurrentUser, ckfs, 5); }, true},
      {"text 1", [&](FakeSystem& f) { f.SetRegText(RegRoot::CurrentUser, ckfs, "1"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakeSystem fake;
    c.store(fake);
    EXPECT_EQ(ShowAddressesPref(fake), c.addresses);
  }
}

TEST(Preferences, WritesStoreTheProgramsOwnValues) {
  FakeSystem fake;
  StoreAutoClose(fake, false);
  StoreAutoClose(fake, true);
  StoreDoubleClickOpens(fake, true);
  StoreDoubleClickOpens(fake, false);
  StoreShowAddresses(fake, true);
  StoreShowAddresses(fake, false);
  MarkFirstRunAnswered(fake);

  const std::vector<FakeSystem::RegWrite> w = fake.RegWrites();
  ASSERT_EQ(w.size(), 7u);
  for (const FakeSystem::RegWrite& write : w) EXPECT_EQ(write.root, RegRoot::CurrentUser);
  EXPECT_EQ(w[0].path, "SOFTWARE\\Volmere\\zdgb");
  EXPECT_EQ(w[0].text, "1");
  EXPECT_EQ(w[1].text, "0");
  EXPECT_FALSE(w[1].isNumber);
  EXPECT_EQ(w[2].path, "SOFTWARE\\Volmere\\sj");
  EXPECT_TRUE(w[2].isNumber);
  EXPECT_EQ(w[2].number, 2u);
  EXPECT_EQ(w[3].number, 1u);
  EXPECT_EQ(w[4].path, "SOFTWARE\\Volmere\\ckfs");
  EXPECT_EQ(w[4].number, 1u);
  EXPECT_EQ(w[5].number, 0u);
  EXPECT_EQ(w[6].path, "SOFTWARE\\Volmere\\bz");
  EXPECT_EQ(w[6].text, "不是第一次使用");
  EXPECT_TRUE(FirstRunAnswered(fake));
}

}  // namespace
}  // namespace volmere
