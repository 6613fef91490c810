#include <gtest/gtest.h>

#include "platform/win32/win32_core.h"
#include "platform/windows_edition.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

using namespace win32_core;

TEST(TextConversion, AnsiToUtf16GivesUtf16BytesWithTheTerminator) {
  EXPECT_EQ(AnsiToUtf16("A1"), std::string("A\0"
                                           "1\0\0\0",
                                           6));
  EXPECT_EQ(AnsiToUtf16(""), std::string(2, '\0'));
  // 计算机 is U+8BA1 U+7B97 U+673A.
  EXPECT_EQ(AnsiToUtf16("计算机"), std::string("\xA1\x8B\x97\x7B\x3A\x67\0\0", 8));
}

TEST(Protection, ProtectedDataUnprotectsForThisUser) {
  std::string data = AnsiToUtf16("pass词");
  std::string blob = ProtectForUser(data, "psw");
  ASSERT_FALSE(blob.empty());
  EXPECT_EQ(blob.find(data), std::string::npos);
  std::string back;
  ASSERT_TRUE(UnprotectForUser(blob, &back));
  EXPECT_EQ(back, data);

  std::string untouched = "kept";
  EXPECT_FALSE(UnprotectForUser("not a protected blob", &untouched));
  EXPECT_EQ(untouched, "kept");
}

// Each runs in a prefix whose Wine reports that Windows version (see
// CMakeLists.txt).
TEST(Edition, winxp) {
  EXPECT_EQ(WindowsVersionWord() & 0xFFFF, 0x0105u);
  EXPECT_EQ(WindowsEditionName(WindowsVersionWord()), "Windows XP");
}

TEST(Edition, win7) {
  EXPECT_EQ(WindowsVersionWord() & 0xFFFF, 0x0106u);
  EXPECT_EQ(WindowsEditionName(WindowsVersionWord()), "Windows 7");
}

TEST(Edition, win8) {
  EXPECT_EQ(WindowsVersionWord() & 0xFFFF, 0x0206u);
  EXPECT_EQ(WindowsEditionName(WindowsVersionWord()), "？");
}

}  // namespace
}  // namespace volmere
