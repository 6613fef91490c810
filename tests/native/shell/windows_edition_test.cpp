#include "platform/windows_edition.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"

namespace volmere {
namespace {

TEST(WindowsEdition, NamesComeFromTheLowSixteenBitsOnly) {
  struct Case {
    std::uint32_t word;
    Text name;
  };
  const Text unknown = "\xA3\xBF";  // the full-width question mark
  const std::vector<Case> cases = {
      {0x00000005, "Windows 2000"}, {0x00000105, "Windows XP"}, {0x00000205, "Windows Server 2003"},
      {0x00000006, "Vista"},        {0x00000106, "Windows 7"},  {0x1DB10106, "Windows 7"},
      {0xFFFF0005, "Windows 2000"}, {0x00000206, unknown},  // what Windows 8 and later report
      {0x00000004, unknown},        {0x00000306, unknown},      {0x00000000, unknown},
      {0x00000A05, "Vista"},  // minor 10 adds a whole unit
      {0x00000B05, "Windows 7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(WindowsEditionName(c.word), c.name);
  }
  EXPECT_EQ(unknown, "？");
}

TEST(WindowsEdition, AsksTheSystemOnEveryCall) {
  FakeSystem fake;
  fake.SetVersionWord(0x0105);
  EXPECT_EQ(WindowsEditionName(fake), "Windows XP");
  fake.SetVersionWord(0x0106);
  EXPECT_EQ(WindowsEditionName(fake), "Windows 7");
}

}  // namespace
}  // namespace volmere
