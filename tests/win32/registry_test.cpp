#include <gtest/gtest.h>

#include "platform/win32/win32_core.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

using namespace win32_core;

const char kKey[] = "Software\\VolmereContractTests";

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }

  static Text Path(const Text& rest) { return Text(kKey) + "\\" + rest; }

  // The value as Win32 stores it, read past the code under test.
  static bool RawValue(const Text& key, const Text& value, DWORD* type, std::string* bytes) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
      return false;
    char buffer[512];
    DWORD size = sizeof buffer;
    LONG status = RegQueryValueExA(handle, value.c_str(), nullptr, type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) return false;
    bytes->assign(buffer, size);
    return true;
  }
};

TEST_F(Registry, MissingKeyReadsEmptyAndWriteCreatesEveryMissingKey) {
  Text path = Path("Volmere\\Deeper\\gsm");
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, path), "");
  EXPECT_EQ(RegReadNumber(RegRoot::CurrentUser, path), 0u);
  EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, path));

  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, path, "A"));
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, path), "A");
  EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, path));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(Path("Volmere\\Deeper"), "gsm", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, std::string("A\0", 2));
}

TEST_F(Registry, TextAndNumberDoNotReadAsEachOther) {
  Text number = Path("number");
  Text text = Path("text");
  ASSERT_TRUE(RegWriteNumber(RegRoot::CurrentUser, number, 0x01020304));
  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, text, "2"));
  EXPECT_EQ(RegReadNumber(RegRoot::CurrentUser, number), 0x01020304u);
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, number), "");
  EXPECT_EQ(RegReadNumber(RegRoot::CurrentUser, text), 0u);
  EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, number));

  // A write replaces a value of the other type.
  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, number, ""));
  EXPECT_EQ(RegReadNumber(RegRoot::CurrentUser, number), 0u);
  EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, number));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(kKey, "number", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(Registry, BackslashAsTrailByteDoesNotSplitTheValueName) {
  ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LC_ALL=zh_CN.UTF-8)";
  // The second byte of 乗 (81 5C) is a backslash.
  Text valueName = "名乗";
  ASSERT_EQ(valueName.substr(2), "\x81\x5C");
  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, Path(valueName), "值"));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(kKey, valueName, &type, &bytes));
  EXPECT_EQ(bytes, std::string("值") + '\0');
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, Path(valueName)), "值");

  HKEY key;
  ASSERT_EQ(
      RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VolmereContractTests", 0, KEY_QUERY_VALUE, &key),
      ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExW(key, L"名乗", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(Registry, ExpandableTextComesBackExpanded) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const char stored[] = "%SystemRoot%\\system32";
  RegSetValueExA(key, "expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(stored),
                 sizeof stored);
  RegCloseKey(key);

  char expected[MAX_PATH];
  ExpandEnvironmentStringsA(stored, expected, sizeof expected);
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, Path("expand")), expected);
  EXPECT_EQ(Text(expected).find('%'), Text::npos);
}

TEST_F(Registry, TrailingBackslashNamesTheDefaultValue) {
  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, Path("LocalDevices\\"), "default"));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(Path("LocalDevices"), "", &type, &bytes));
  EXPECT_EQ(bytes, std::string("default") + '\0');
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, Path("LocalDevices\\")), "default");
  EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, Path("LocalDevices\\PC1")));

  // The path from the remote desktop launch: key ...\LocalDevices, value PC1.
  ASSERT_TRUE(RegWriteNumber(RegRoot::CurrentUser, Path("LocalDevices\\") + "PC1", 13));
  ASSERT_TRUE(RawValue(Path("LocalDevices"), "PC1", &type, &bytes));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(bytes, std::string("\x0D\0\0\0", 4));
}

TEST_F(Registry, PathWithoutBackslashNamesAValueUnderTheRoot) {
  const char name[] = "VolmereContractRootValue";
  ASSERT_TRUE(RegWriteText(RegRoot::CurrentUser, name, "root"));
  DWORD type = 0;
  std::string bytes;
  EXPECT_TRUE(RawValue("", name, &type, &bytes));
  EXPECT_EQ(RegReadText(RegRoot::CurrentUser, name), "root");
  RegDeleteValueA(HKEY_CURRENT_USER, name);
  EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, name));
}

}  // namespace
}  // namespace volmere
