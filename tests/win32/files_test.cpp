#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/win32/win32_core.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

using namespace win32_core;

TEST(Files, WriteTextFileWritesExactlyTheBytesAndEmptyTextEmpties) {
  ScratchDir dir;
  Text path = dir.path() + "ping.bat";
  ASSERT_TRUE(WriteTextFile(path, "ping 10.0.0.7\r\npause"));
  EXPECT_EQ(RawBytes(path), "ping 10.0.0.7\r\npause");
  EXPECT_EQ(RawBytes(path).size(), 20u);

  ASSERT_TRUE(WriteTextFile(path, ""));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(RawBytes(path), "");

  EXPECT_FALSE(WriteTextFile("", "x"));
  EXPECT_FALSE(WriteTextFile(dir.path() + "no-such-folder\\x.txt", "x"));
}

TEST(Files, GbkFileNameAndDoubledBackslashNameTheSameFile) {
  ScratchDir dir;
  ASSERT_TRUE(WriteTextFile(dir.path() + "\\不通时.txt", "PC1\r\nPC2"));
  EXPECT_EQ(ReadTextFile(dir.path() + "不通时.txt"), "PC1\r\nPC2");
  EXPECT_EQ(RawBytes(dir.path() + "不通时.txt"), "PC1\r\nPC2");
}

TEST(Files, ReadTextFileStopsAtTheFirstZeroByte) {
  ScratchDir dir;
  PutRawBytes(dir.path() + "zero.txt", std::string("AB\0CD", 5));
  EXPECT_EQ(ReadTextFile(dir.path() + "zero.txt"), "AB");
  EXPECT_EQ(ReadTextFile(dir.path() + "missing.txt"), "");
  EXPECT_EQ(ReadTextFile(""), "");
}

TEST(Files, ReadTextLinesSplitsAtLineFeedZeroAndCtrlZ) {
  struct Case {
    std::string bytes;
    std::vector<Text> lines;
  };
  const Case cases[] = {
      {"A\r\nB\r\n\r\nC", {"A", "B", "", "C"}},
      {"A\nB", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {std::string("A\0B", 3), {"A", "B"}},
      {"A\x1A"
       "B",
       {"A", "B"}},
      {"A\r\r\nB", {"A\r", "B"}},  // only one carriage return goes
      {"", {}},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    Text path = dir.path() + "lines.txt";
    PutRawBytes(path, c.bytes);
    EXPECT_EQ(ReadTextLines(path), c.lines) << "bytes: " << ::testing::PrintToString(c.bytes);
  }
  EXPECT_TRUE(ReadTextLines(dir.path() + "missing.txt").empty());
}

TEST(Files, ReadTextLinesReadsAFileThatAnotherHandleHasOpen) {
  ScratchDir dir;
  Text path = dir.path() + "open.txt";
  PutRawBytes(path, "A\r\nB");
  HANDLE other =
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadTextLines(path), (std::vector<Text>{"A", "B"}));
  CloseHandle(other);
}

TEST(Files, DeleteFileRemovesAnExistingFileOnly) {
  ScratchDir dir;
  Text path = dir.path() + "gone.txt";
  PutRawBytes(path, "x");
  EXPECT_TRUE(DeleteFile(path));
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(DeleteFile(path));
}

TEST(Directories, TempAndWindowsEndWithBackslashProgramDirDoesNot) {
  Text temp = TempDir();
  Text windows = WindowsDir();
  Text program = ProgramDir();
  ASSERT_FALSE(temp.empty());
  ASSERT_FALSE(windows.empty());
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_EQ(windows.back(), '\\');
  EXPECT_NE(program.back(), '\\');
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(windows[0])));
  EXPECT_EQ(windows.substr(1, 2), ":\\");

  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  EXPECT_EQ(program + "\\", Text(module).substr(0, program.size() + 1));
  EXPECT_TRUE(FileExists(program + "\\win32_contract_tests.exe"));
}

unsigned long TempNumber(const Text& path) {
  Text dir = TempDir();
  EXPECT_EQ(path.substr(0, dir.size()), dir);
  EXPECT_EQ(path.substr(path.size() - 4), ".tmp");
  Text hex = path.substr(dir.size(), path.size() - dir.size() - 4);
  EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), Text::npos) << hex;
  return std::strtoul(hex.c_str(), nullptr, 16);
}

TEST(Directories, NewTempFileNamesInOneTickDifferByOne) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    DWORD before = GetTickCount();
    Text first = NewTempFileName();
    Text second = NewTempFileName();
    if (GetTickCount() != before) continue;
    EXPECT_EQ(TempNumber(second), TempNumber(first) + 1);
    EXPECT_FALSE(FileExists(first));
    EXPECT_FALSE(FileExists(second));
    return;
  }
  FAIL() << "never two calls within one tick";
}

TEST(Directories, NewTempFileNameSkipsNamesThatExist) {
  const unsigned long kTaken = 40;
  for (int attempt = 0; attempt < 20; ++attempt) {
    DWORD start = GetTickCount();
    unsigned long first = TempNumber(NewTempFileName());
    std::vector<Text> taken;
    char name[32];
    for (unsigned long n = first + 1; n <= first + kTaken; ++n) {
      std::snprintf(name, sizeof name, "%lx.tmp", n);
      taken.push_back(TempDir() + name);
      PutRawBytes(taken.back(), "");
    }
    Text next = NewTempFileName();
    bool sameWindow = GetTickCount() - start < kTaken - 1;
    for (const Text& path : taken) ::DeleteFileA(path.c_str());
    if (!sameWindow) continue;
    EXPECT_GT(TempNumber(next), first + kTaken);
    return;
  }
  FAIL() << "the tick count ran away every time";
}

}  // namespace
}  // namespace volmere
