// The list of this computer's shares under Wine, with the test network
// provider serving the neighbourhood and the net stand-in deleting.
#include <cstdlib>

#include "resources/local_shares_window_layout.h"
#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

// The program pings this computer by its name, so it is one that resolves
// to the loopback address.
constexpr const char* kThisComputer = "localhost";

class LocalShares : public ShellScenario {
 protected:
  void SetUp() override {
    ShellScenario::SetUp();
    WriteRegText(Hive::LocalMachine, kComputerNameValue, kThisComputer);
    const char* dll = std::getenv("VOLMERE_E2E_NETPROVIDER");
    ASSERT_NE(dll, nullptr) << "VOLMERE_E2E_NETPROVIDER is not set";
    std::string windowsPath = std::string("Z:") + dll;
    for (char& c : windowsPath)
      if (c == '/') c = '\\';
    const std::string services = "System\\CurrentControlSet\\Services\\VolmereTestNet\\";
    ASSERT_TRUE(WriteRegText(Hive::LocalMachine,
                             "System\\CurrentControlSet\\Control\\NetworkProvider\\Order\\"
                             "ProviderOrder",
                             "VolmereTestNet"));
    ASSERT_TRUE(
        WriteRegText(Hive::LocalMachine, services + "NetworkProvider\\ProviderPath", windowsPath));
    ASSERT_TRUE(WriteRegText(Hive::LocalMachine, services + "NetworkProvider\\Name",
                             "Volmere Test Network"));
    // The program inherits the driver's environment, and the provider reads
    // its fixture afresh at every enumeration.
    SetEnvironmentVariableA("VOLMERE_NETPROVIDER_FIXTURE", FixtureFile().c_str());
    WriteShares({"docs", "music", "tools"});
  }

  static std::string FixtureFile() { return ProgramDir() + "\\netprovider.txt"; }

  static void WriteShares(const std::vector<std::string>& shares) {
    std::string fixture =
        "workgroup\tWORKGROUP\r\ncomputer\tWORKGROUP\t" + std::string(kThisComputer) + "\r\n";
    for (const std::string& share : shares)
      fixture += "share\t" + std::string(kThisComputer) + "\t" + share + "\r\n";
    ASSERT_TRUE(WriteFileBytes(FixtureFile(), fixture));
  }

  static std::vector<std::string> Rows(const RemoteListView& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.Count(); ++i) rows.push_back(list.ItemText(i));
    return rows;
  }

  static std::vector<std::string> ShareCalls() {
    std::vector<std::string> calls;
    for (const std::string& call : StandinCalls(ProgramDir(), "net"))
      if (TextMatches(call, "net share", Match::Prefix)) calls.push_back(call);
    return calls;
  }

  // Opens the window from MainWindow's button and waits for its first listing.
  HWND OpenList(HWND main, HWND* list) {
    Click(Control(main, "localSharesButton"));
    HWND window = WaitForTopLevel(program().Id(), "本机共享资源列表");
    EXPECT_NE(window, nullptr) << "no local shares window";
    if (!window) return nullptr;
    *list = FindControl(window, kLocalSharesWindowLayout, "sharesList");
    EXPECT_NE(*list, nullptr);
    if (!*list) return nullptr;
    EXPECT_TRUE(WaitUntil([&] { return RemoteListView(*list).Count() == 3; }));
    return window;
  }

  std::string Caption() const {
    return "xx公司局域网Volmere---计算机名：" + std::string(kThisComputer) + "  工作组：WORKGROUP";
  }
};

TEST_F(LocalShares, ListsRefreshesAndDeletes) {
  WriteRegText(Hive::CurrentUser, kFirstRunMarker, "不是第一次使用");
  StartProgram();
  HWND main = WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(WaitForCaption(main, Caption()), Caption());
  HWND list = nullptr;
  HWND window = OpenList(main, &list);
  ASSERT_NE(window, nullptr);
  const SIZE outer = OuterSize(window);
  EXPECT_EQ(outer.cx, kLocalSharesWindowLayout.outerWidth);
  EXPECT_EQ(outer.cy, kLocalSharesWindowLayout.outerHeight);
  RemoteListView rows(list);
  EXPECT_EQ(Rows(rows), (std::vector<std::string>{"tools", "music", "docs"}));
  EXPECT_TRUE(TakeScreenshot("listed"));

  WriteShares({"docs", "music", "tools", "新建"});
  Click(FindControl(window, kLocalSharesWindowLayout, "refreshSharesButton"));
  EXPECT_TRUE(WaitUntil([&] { return rows.Count() == 4; }));
  EXPECT_EQ(Rows(rows), (std::vector<std::string>{"新建", "tools", "music", "docs"}));

  ASSERT_TRUE(rows.Select(rows.FindItem("music")));
  Click(FindControl(window, kLocalSharesWindowLayout, "deleteShareButton"));
  EXPECT_TRUE(WaitUntil([&] { return rows.Count() == 3; }));
  EXPECT_EQ(ShareCalls(), std::vector<std::string>{"net share music /delete /y"});
  EXPECT_EQ(rows.FindItem("music"), -1);
  EXPECT_TRUE(MessageBoxes(program().Id()).empty());
  EXPECT_TRUE(TakeScreenshot("deleted"));

  PressEscape(window);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
}

TEST_F(LocalShares, RefusedDeleteKeepsTheRow) {
  WriteRegText(Hive::CurrentUser, kFirstRunMarker, "不是第一次使用");
  StartProgram();
  HWND main = WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(WaitForCaption(main, Caption()), Caption());
  // From now on net refuses; the workgroup probe has had its answer.
  ScriptStandin(ProgramDir(), "net", ReadFileBytes(ProgramDir() + "\\net.out"), 2);
  HWND list = nullptr;
  HWND window = OpenList(main, &list);
  ASSERT_NE(window, nullptr);
  RemoteListView rows(list);
  ASSERT_TRUE(rows.Select(rows.FindItem("docs")));
  Click(FindControl(window, kLocalSharesWindowLayout, "deleteShareButton"));
  HWND box = WaitForMessageBox(program().Id(), "删除共享失败！请以管理员身份运行本软件后再试。");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(TakeScreenshot("refused"));
  PressButton(box, IDOK);
  EXPECT_EQ(ShareCalls(), std::vector<std::string>{"net share docs /delete /y"});
  EXPECT_EQ(Rows(rows), (std::vector<std::string>{"tools", "music", "docs"}));
}

}  // namespace
}  // namespace volmere::e2e
