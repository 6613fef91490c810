#include "remote/password_protection.h"

#include <gtest/gtest.h>

#include <cctype>

#include "platform/fake/fake_system.h"

namespace volmere {
namespace {

TEST(ProtectPassword, IsUpperCaseHexPairsOfTheProtectedBlockAndAZero) {
  FakeSystem fake;
  const Text hex = ProtectPassword(fake, "Ab密");
  ASSERT_EQ(hex.size() % 2, 1u);
  EXPECT_EQ(hex.back(), '0');
  for (char c : hex) EXPECT_TRUE(std::isdigit(c) || (c >= 'A' && c <= 'F')) << c;

  std::string blob;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    blob += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  EXPECT_EQ(HexPairs(blob) + "0", hex);
  std::string block;
  ASSERT_TRUE(fake.UnprotectForUser(blob, &block));
  ASSERT_EQ(block.size(), 512u);
  const std::string utf16 = fake.AnsiToUtf16("Ab密");
  EXPECT_EQ(block.substr(0, utf16.size()), utf16);
  EXPECT_EQ(block.substr(utf16.size()), std::string(512 - utf16.size(), '\0'));
  // The block was protected with its description.
  EXPECT_NE(blob.find("psw"), std::string::npos);
}

TEST(ProtectPassword, GivesZeroAloneWhenProtectionFails) {
  FakeSystem fake;
  fake.FailProtection();
  EXPECT_EQ(ProtectPassword(fake, "pw"), "0");
  EXPECT_EQ(ProtectPassword(fake, Text(300, 'a')), "0");
}

TEST(HexPairs, PadsSingleDigitsAndUsesUpperCase) {
  EXPECT_EQ(HexPairs(std::string("\x00\x0a\xff\x10", 4)), "000AFF10");
  EXPECT_EQ(HexPairs(""), "");
}

}  // namespace
}  // namespace volmere
