// Remote desktop sessions to this computer's entry under Wine, with the
// mstsc stand-in of the program folder recording how the client is started.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/shell_fixture.h"

namespace volmere::e2e {
namespace {

// The program pings this computer by its name: one that resolves to the
// loopback address keeps it off the machine's own interface.
constexpr const char* kThisComputer = "localhost";
constexpr const char* kPasswordTitle = "输入本计算机的密码";

class RemoteDesktop : public ShellScenario {
 protected:
  void SetUp() override {
    ShellScenario::SetUp();
    WriteRegText(Hive::LocalMachine, kComputerNameValue, kThisComputer);
  }

  static std::string TempFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, path);
    return std::string(path, length);
  }

  // Right-clicks the entry, which selects it, and goes down the menu's
  // shown items to the remote desktop item with the arrow keys, as a user
  // would.
  void LaunchOn(HWND main, const std::string& entry) {
    RemoteListView list(Control(main, "computerList"));
    const int item = list.FindItem(entry);
    ASSERT_GE(item, 0) << "no entry " << entry;
    int steps = 0;
    for (const MenuItemLayout& shown : kMainWindowLayout.menus.at(0).items) {
      if (!shown.visible) continue;
      ++steps;
      if (std::string(shown.name) == "remoteDesktopItem") break;
    }
    list.RightClick(item);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (HWND window : TopLevelWindows(program().Id()))
        if (WindowClass(window) == "#32768" && IsWindowVisible(window)) {
          popup = window;
          return true;
        }
      return false;
    })) << "no context menu";
    for (int step = 0; step < steps; ++step) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));
  }

  void AnswerPassword(const std::string& password) {
    HWND box = WaitForTopLevel(program().Id(), kPasswordTitle);
    ASSERT_NE(box, nullptr) << "no password box";
    HWND field = FindWindowExA(box, nullptr, "Edit", nullptr);
    ASSERT_NE(field, nullptr);
    SetControlText(field, password);
    EXPECT_TRUE(TakeScreenshot("password-box"));
    EXPECT_TRUE(PressButton(box, IDOK));
  }

  // The connection file named in a command line the stand-in recorded;
  // cmd-style callers may leave a blank at the end.
  static std::string ConnectionFileOf(const std::string& call) {
    const std::string head = "mstsc.exe ";
    if (call.compare(0, head.size(), head) != 0) return "";
    std::string file = call.substr(head.size());
    while (!file.empty() && file.back() == ' ') file.pop_back();
    return file;
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = text.find("\r\n", start);
      lines.push_back(
          text.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) return lines;
      start = end + 2;
    }
  }

  static void ExpectProtectedPasswordLine(const std::string& line) {
    const std::string head = "password 51:b:";
    ASSERT_EQ(line.compare(0, head.size(), head), 0) << line;
    const std::string hex = line.substr(head.size());
    // CryptProtectData gives a blob of some length: its pairs and the "0".
    EXPECT_GT(hex.size(), 1u);
    EXPECT_EQ(hex.size() % 2, 1u);
    EXPECT_EQ(hex.back(), '0');
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  }
};

TEST_F(RemoteDesktop, AsksOnceThenConnectsWithTheSavedPassword) {
  HWND main = StartAnsweredAndWaitForCaption("xx公司局域网");
  ASSERT_NE(main, nullptr);
  RemoteListView list(Control(main, "computerList"));
  ASSERT_TRUE(WaitUntil([&] { return list.FindItem(kThisComputer) >= 0; }));

  LaunchOn(main, kThisComputer);
  AnswerPassword("pw1");
  ASSERT_TRUE(WaitUntil([&] { return StandinCalls(ProgramDir(), "mstsc").size() == 1; }));
  const std::string first = ConnectionFileOf(StandinCalls(ProgramDir(), "mstsc")[0]);
  ASSERT_FALSE(first.empty()) << StandinCalls(ProgramDir(), "mstsc")[0];
  const std::vector<std::string> lines = Lines(ReadFileBytes(first));
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines[5], "full address:s:localhost:3389");
  EXPECT_EQ(lines[12], "redirectsmartcards:i:1");
  EXPECT_EQ(lines[15], "username:s:administrator");
  ExpectProtectedPasswordLine(lines[18]);
  EXPECT_EQ(lines[34], "drivestoredirect:s:");
  EXPECT_EQ(ReadRegNumber(Hive::CurrentUser,
                          "Software\\Microsoft\\Terminal Server Client\\LocalDevices\\localhost"),
            76u);

  // Saved, and not readable as the typed bytes.
  const std::string savedFile = TempFolder() + "localhost.txt";
  ASSERT_TRUE(WaitUntil([&] { return FileExists(savedFile); }));
  const std::string saved = ReadFileBytes(savedFile);
  EXPECT_FALSE(saved.empty());
  EXPECT_EQ(saved.find("pw1"), std::string::npos);

  LaunchOn(main, kThisComputer);
  ASSERT_TRUE(WaitUntil([&] { return StandinCalls(ProgramDir(), "mstsc").size() == 2; }));
  EXPECT_EQ(FindTopLevel(program().Id(), kPasswordTitle), nullptr);
  const std::string second = ConnectionFileOf(StandinCalls(ProgramDir(), "mstsc")[1]);
  EXPECT_NE(second, first);
  const std::vector<std::string> again = Lines(ReadFileBytes(second));
  ASSERT_EQ(again.size(), 45u);
  ExpectProtectedPasswordLine(again[18]);
  EXPECT_EQ(ReadFileBytes(savedFile), saved);
  EXPECT_TRUE(MessageBoxes(program().Id()).empty());
  EXPECT_TRUE(TakeScreenshot("second-launch"));
}

}  // namespace
}  // namespace volmere::e2e
