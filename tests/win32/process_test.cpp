#include <gtest/gtest.h>

#include "platform/win32/win32_core.h"
#include "tests/win32/contract_test_support.h"

namespace volmere {
namespace {

using namespace win32_core;

TEST(RunCommand, WaitedCommandGivesItsExitStatus) {
  int status = -1;
  EXPECT_TRUE(RunCommand("cmd /c exit 3", true, true, &status));
  EXPECT_EQ(status, 3);
  EXPECT_TRUE(RunCommand("cmd /c exit 0", true, false, &status));
  EXPECT_EQ(status, 0);
}

TEST(RunCommand, WaitedBatchFileHasFinishedWhenTheCallReturns) {
  ScratchDir dir;
  Text batch = dir.path() + "work.bat";
  Text out = dir.path() + "out.txt";
  PutRawBytes(batch, "@echo off\r\nping -n 2 127.0.0.1 >nul\r\necho done>\"" + out + "\"\r\n");
  int status = -1;
  ASSERT_TRUE(RunCommand(batch, true, true, &status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(RawBytes(out), "done\r\n");
}

TEST(RunCommand, ProgramThatDoesNotExistGivesFalseAndLeavesTheStatus) {
  int status = 42;
  EXPECT_FALSE(RunCommand("volmere-no-such-program.exe /x", true, true, &status));
  EXPECT_EQ(status, 42);
  EXPECT_FALSE(RunCommand("volmere-no-such-program.exe", false, false, nullptr));
}

TEST(RunCommand, UnwaitedCommandReturnsWithinASecondOrSo) {
  ScratchDir dir;
  Text out = dir.path() + "late.txt";
  DWORD start = GetTickCount();
  int status = 42;
  ASSERT_TRUE(RunCommand("cmd /c ping -n 4 127.0.0.1 >nul & echo late>\"" + out + "\"", false, true,
                         &status));
  EXPECT_LT(GetTickCount() - start, 2500u);
  EXPECT_EQ(status, 42);
  EXPECT_FALSE(FileExists(out));
  for (int i = 0; i < 100 && !FileExists(out); ++i) Sleep(100);
  EXPECT_TRUE(FileExists(out));
}

}  // namespace
}  // namespace volmere
