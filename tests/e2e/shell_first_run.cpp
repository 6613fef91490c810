// The first start of a user: the question that offers the help page, what
// each answer leaves in the registry, and the caption start-up builds.
#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

class FirstRun : public ShellScenario {
 protected:
  std::vector<std::string> BrowserCalls() { return StandinCalls(ToolsDir(), "browser"); }

  // The page the browser was asked to show: its last, quoted argument.
  static std::string HelpPageOf(const std::string& browserCall) {
    const size_t end = browserCall.find_last_of('"');
    const size_t start = end == std::string::npos ? end : browserCall.find_last_of('"', end - 1);
    if (start == std::string::npos) return "";
    return browserCall.substr(start + 1, end - start - 1);
  }
};

TEST_F(FirstRun, YesOpensTheHelpPageAndIsRemembered) {
  ASSERT_FALSE(RegValuePresent(Hive::CurrentUser, kFirstRunMarker));
  ASSERT_FALSE(ComputerName().empty());
  StartProgram();
  HWND question = WaitForFirstRunQuestion();
  ASSERT_NE(question, nullptr) << "no first-run question";
  EXPECT_TRUE(TakeScreenshot("question"));
  ASSERT_TRUE(PressButton(question, IDYES));

  EXPECT_TRUE(
      WaitUntil([] { return ReadRegText(Hive::CurrentUser, kFirstRunMarker).has_value(); }));
  EXPECT_EQ(ReadRegText(Hive::CurrentUser, kFirstRunMarker).value_or("(missing)"),
            "不是第一次使用");
  EXPECT_TRUE(WaitUntil([&] { return !BrowserCalls().empty(); }))
      << "the help page was not handed to the shell's browser";
  ASSERT_EQ(BrowserCalls().size(), 1u);
  EXPECT_TRUE(FileExists(HelpPageOf(BrowserCalls()[0]))) << BrowserCalls()[0];

  HWND window = WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WaitForCaption(window, CompletedCaption("xx公司局域网")),
            CompletedCaption("xx公司局域网"));
  EXPECT_TRUE(TakeScreenshot("caption"));

  // The next start asks no more.
  PressCloseBox(window);
  ASSERT_TRUE(program().WaitForExit(10000));
  StartProgram();
  window = WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WaitForCaption(window, CompletedCaption("xx公司局域网")),
            CompletedCaption("xx公司局域网"));
  EXPECT_TRUE(MessageBoxes(program().Id()).empty());
  EXPECT_EQ(BrowserCalls().size(), 1u);
}

TEST_F(FirstRun, NoWritesNothingAndTheQuestionComesAgain) {
  StartProgram();
  HWND question = WaitForFirstRunQuestion();
  ASSERT_NE(question, nullptr) << "no first-run question";
  ASSERT_TRUE(PressButton(question, IDNO));

  HWND window = WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WaitForCaption(window, CompletedCaption("xx公司局域网")),
            CompletedCaption("xx公司局域网"));
  EXPECT_FALSE(RegValuePresent(Hive::CurrentUser, kFirstRunMarker));
  EXPECT_TRUE(BrowserCalls().empty());

  PressCloseBox(window);
  ASSERT_TRUE(program().WaitForExit(10000));
  StartProgram();
  question = WaitForFirstRunQuestion();
  ASSERT_NE(question, nullptr) << "the question did not come again";
  EXPECT_TRUE(TakeScreenshot("asked-again"));
  PressButton(question, IDNO);
}

TEST_F(FirstRun, CaptionBeginsWithTheCompanyName) {
  WriteRegText(Hive::CurrentUser, kCompanyName, "ABC");
  HWND window = StartAnsweredAndWaitForCaption("ABC");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowCaption(window),
            "ABCVolmere---计算机名：" + ComputerName() + "  工作组：WORKGROUP");
  EXPECT_TRUE(TakeScreenshot("caption"));
}

// The workgroup comes from "net config workstation" through a batch file in
// the temporary folder, filtered into works.ini, which is deleted after use.
TEST_F(FirstRun, WorkgroupComesFromTheProbeBatch) {
  HWND window = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(window, nullptr);
  const std::vector<std::string> net = StandinCalls(ProgramDir(), "net");
  ASSERT_EQ(net.size(), 1u);
  EXPECT_TRUE(TextMatches(net[0], "net config workstation", Match::Prefix)) << net[0];

  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  EXPECT_EQ(ReadFileBytes(std::string(temp) + "取工作组.bat"),
            "net config workstation | find \"工作站域\" | find /V \"DNS\">>\"" + ProgramDir() +
                "\\works.ini\"");
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(ProgramFile("works.ini")); }));
}

}  // namespace
}  // namespace volmere::e2e
