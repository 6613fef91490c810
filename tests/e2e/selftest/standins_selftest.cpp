// The stand-ins and the find filter inside the scenario's program folder, run
// the way the program runs its tools: through cmd.exe, from that folder.
#include <gtest/gtest.h>

#include "tests/e2e/driver/e2e_driver.h"

namespace volmere::e2e {
namespace {

class Standins : public Scenario {};

TEST_F(Standins, RecordTheCommandLineAndAnswerAsScripted) {
  ScriptStandin(ProgramDir(), "cacls", "处理的目录: D:\\共享\r\n", 5);
  EXPECT_EQ(RunHidden("cmd /c cacls \"D:\\共享\" /T /E /G everyone:F >cacls.txt", ProgramDir()), 5);
  EXPECT_EQ(ReadFileBytes(ProgramFile("cacls.txt")), "处理的目录: D:\\共享\r\n");
  const std::vector<std::string> calls = StandinCalls(ProgramDir(), "cacls");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(TextMatches(calls[0], "cacls \"D:\\共享\" /T /E /G everyone:F", Match::Prefix))
      << calls[0];

  // Unscripted tools print nothing and succeed.
  for (const char* tool : {"secedit", "wmic", "mstsc", "ping"}) {
    SCOPED_TRACE(tool);
    EXPECT_EQ(RunHidden(std::string("cmd /c ") + tool + " /x >" + tool + ".txt", ProgramDir()), 0);
    EXPECT_EQ(ReadFileBytes(ProgramFile(std::string(tool) + ".txt")), "");
    EXPECT_EQ(StandinCalls(ProgramDir(), tool).size(), 1u);
  }
  const std::string all = ReadFileBytes(ProgramFile("standins.log"));
  EXPECT_EQ(all.find("cacls\tcacls"), 0u) << all;
  EXPECT_NE(all.find("\r\nping\tping /x"), std::string::npos) << all;
}

// The workgroup probe's pipe keeps the line with 工作站域 and without DNS.
TEST_F(Standins, FindFiltersTheWorkgroupLine) {
  ScriptStandin(ProgramDir(), "net",
                "计算机名                     \\\\VM\r\n"
                "工作站域 DNS 名称            example.org\r\n"
                "工作站域                     WORKGROUP\r\n"
                "命令成功完成。\r\n");
  const std::string batch = ProgramFile("probe.bat");
  WriteFileBytes(batch, "net config workstation | find \"工作站域\" | find /V \"DNS\">>\"" +
                            ProgramDir() + "\\works.ini\"");
  RunHidden(batch, ProgramDir());
  EXPECT_EQ(ReadFileBytes(ProgramFile("works.ini")), "工作站域                     WORKGROUP\r\n");

  EXPECT_EQ(RunHidden("cmd /c find /C \"DNS\" <net.out >count.txt", ProgramDir()), 0);
  EXPECT_EQ(ReadFileBytes(ProgramFile("count.txt")), "1\r\n");
  EXPECT_EQ(RunHidden("cmd /c find /I \"workgroup\" <net.out >nul", ProgramDir()), 0);
  EXPECT_EQ(RunHidden("cmd /c find \"workgroup\" <net.out >nul", ProgramDir()), 1);
  EXPECT_EQ(RunHidden("cmd /c find /X \"a\" <net.out >nul", ProgramDir()), 2);
}

}  // namespace
}  // namespace volmere::e2e
