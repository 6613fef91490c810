// The computer list under Wine: the test network provider serves the
// neighbourhood and icmp.dll pings the loopback addresses the computers are
// named after.
#include <cstdlib>

#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

constexpr const char* kThisComputer = "localhost";
constexpr const char* kOtherWorkgroup = "研发部";
// Longer than a host name can be, so it is never looked up: it neither
// resolves nor answers, and no query leaves the machine.
const std::string kUnresolved = "nowhere-" + std::string(100, 'x');

class ComputerList : public ShellScenario {
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
    // The program inherits the driver's environment.
    SetEnvironmentVariableA("VOLMERE_NETPROVIDER_FIXTURE", FixtureFile().c_str());
    const std::string fixture =
        std::string("workgroup\tWORKGROUP\r\n") + "computer\tWORKGROUP\tlocalhost\r\n" +
        "computer\tWORKGROUP\t127.0.0.2\r\n" + "computer\tWORKGROUP\t127.0.0.3\r\n" +
        "workgroup\t" + kOtherWorkgroup + "\r\n" + "computer\t" + kOtherWorkgroup +
        "\t127.0.0.4\r\n" + "computer\t" + kOtherWorkgroup + "\t" + kUnresolved + "\r\n";
    ASSERT_TRUE(WriteFileBytes(FixtureFile(), fixture));
  }

  static std::string FixtureFile() { return ProgramDir() + "\\netprovider.txt"; }

  static std::string LastGoodListFile() {
    char path[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, path);
    return std::string(path, length) + "不通时.txt";
  }

  static std::vector<std::string> Texts(const RemoteListView& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.ItemText(i));
    return texts;
  }
  static std::vector<int> Images(const RemoteListView& list) {
    std::vector<int> images;
    for (int i = 0; i < list.Count(); ++i) images.push_back(list.ItemImage(i));
    return images;
  }

  // Starts the program and waits for the first listing to end and every
  // answering computer to turn to colour.
  HWND StartAndList(HWND* list) {
    RemoveFile(LastGoodListFile());
    HWND window = StartAnsweredAndWaitForCaption("xx公司局域网");
    if (!window) return nullptr;
    *list = Control(window, "computerList");
    EXPECT_TRUE(WaitUntilListed(window));
    EXPECT_TRUE(WaitUntil([&] { return Images(RemoteListView(*list)) == kListedImages; }))
        << "images never became those of the answering computers";
    return window;
  }

  bool WaitUntilListed(HWND window, int timeoutMs = 30000) {
    HWND status = Control(window, "statusLabel");
    HWND refresh = Control(window, "refreshButton");
    return WaitUntil(
        [&] {
          return ControlText(status) == "获取完毕!点击可以打开." && IsControlEnabled(refresh);
        },
        timeoutMs);
  }

  // The context menu's first visible item, chosen with the keyboard the way
  // a user would: the menu loop reads the keys from the window's queue.
  void ChooseFirstMenuItem(HWND window, const RemoteListView& list, POINT emptySpot) {
    list.ClickAt(emptySpot, true);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (HWND w : TopLevelWindows(program().Id()))
        if (WindowClass(w) == "#32768" && IsWindowVisible(w)) return (menu = w) != nullptr;
      return false;
    })) << "no context menu";
    EXPECT_TRUE(TakeScreenshot("context-menu"));
    PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
  }

  // Below the one row of icons.
  static POINT EmptySpot() { return POINT{400, 250}; }

  const std::vector<std::string> kListedTexts = {kThisComputer, "127.0.0.2", "127.0.0.3",
                                                 "127.0.0.4", kUnresolved};
  const std::vector<int> kListedImages = {0, 0, 0, 0, 1};
};

TEST_F(ComputerList, ListsAnswersSavesRelabelsAndRefreshes) {
  HWND list = nullptr;
  HWND window = StartAndList(&list);
  ASSERT_NE(window, nullptr);
  RemoteListView view(list);
  EXPECT_EQ(Texts(view), kListedTexts);
  EXPECT_EQ(Images(view), kListedImages);
  EXPECT_EQ(ControlText(Control(window, "refreshButton")), "刷新列表");
  std::string saved;
  for (const std::string& text : kListedTexts) saved += text + "\r\n";
  EXPECT_EQ(ReadFileBytes(LastGoodListFile()), saved);
  EXPECT_TRUE(TakeScreenshot("listed"));

  ChooseFirstMenuItem(window, view, EmptySpot());
  const std::vector<std::string> addresses = {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4",
                                              "获取失败"};
  EXPECT_TRUE(WaitUntil([&] { return Texts(view) == addresses; }))
      << "labels: " << testing::PrintToString(Texts(view));
  EXPECT_TRUE(
      WaitUntil([&] { return ControlText(Control(window, "statusLabel")) == "获取列表完毕！"; }));
  EXPECT_EQ(Images(view), kListedImages);
  EXPECT_EQ(ReadRegNumber(Hive::CurrentUser, "SOFTWARE\\Volmere\\ckfs").value_or(0), 1u);
  EXPECT_TRUE(TakeScreenshot("addresses"));

  // Empty space with the button enabled: a new listing, in the address view
  // now, except the name that does not resolve.
  // (A listing of five can be over before its disabled button is seen, so the
  // new labels are what shows that it ran.)
  view.ClickAt(EmptySpot());
  const std::vector<std::string> relisted = {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4",
                                             kUnresolved};
  EXPECT_TRUE(WaitUntil([&] { return Texts(view) == relisted; }))
      << "labels: " << testing::PrintToString(Texts(view));
  EXPECT_TRUE(WaitUntilListed(window));
  EXPECT_TRUE(WaitUntil([&] { return Images(view) == kListedImages; }));
  EXPECT_TRUE(TakeScreenshot("refreshed"));
}

TEST_F(ComputerList, AClickOnThisComputerOpensItAndAutoCloseEndsTheProgram) {
  HWND list = nullptr;
  HWND window = StartAndList(&list);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsChecked(Control(window, "autoCloseCheck")));
  RemoteListView(list).Click(0);
  EXPECT_TRUE(program().WaitForExit(15000)) << "still running after the click";
}

}  // namespace
}  // namespace volmere::e2e
