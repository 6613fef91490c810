#include "remote/remote_desktop.h"

#include <gtest/gtest.h>

#include "remote/saved_password.h"
#include "remote_scene.h"

namespace volmere {
namespace {

constexpr const char* kPrompt = "请在下面输入本计算机的密码，如果没有密码，请不要输入。";

// Whether a connection file's line 19 carries the password's protected
// block, read back through the fake protection.
bool Line19Carries(FakeSystem& fake, const Text& file, const Text& password) {
  const Text line = LineOf(file, 19);
  const Text head = "password 51:b:";
  if (line.compare(0, head.size(), head) != 0) return false;
  const Text hex = line.substr(head.size(), line.size() - head.size() - 1);
  std::string blob;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    blob += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  std::string block;
  if (!fake.UnprotectForUser(blob, &block)) return false;
  const std::string utf16 = fake.AnsiToUtf16(password);
  return block.size() == 512 && block.compare(0, utf16.size(), utf16) == 0;
}

TEST(OpenRemoteDesktop, WithoutSelectionOnlyWarns) {
  RemoteScene scene;
  scene.Launch();
  ASSERT_EQ(scene.fake.Messages().size(), 1u);
  EXPECT_EQ(scene.fake.Messages()[0].text, "请你选择计算机");
  EXPECT_EQ(scene.fake.Messages()[0].style, MsgWarning);
  EXPECT_EQ(scene.fake.Messages()[0].title, "信息：");
  EXPECT_TRUE(scene.fake.Questions().empty());
  EXPECT_TRUE(scene.fake.FileWrites().empty());
  EXPECT_TRUE(scene.fake.Commands().empty());
  EXPECT_TRUE(scene.fake.RegWrites().empty());
}

TEST(OpenRemoteDesktop, FirstLaunchAsksThenSecondConnectsWithoutAsking) {
  RemoteScene scene;
  scene.Select("PC1");
  scene.fake.QueueAskAnswer(Text("s3cret"));
  scene.Launch();

  ASSERT_EQ(scene.fake.Questions().size(), 1u);
  const FakeSystem::Question asked = scene.fake.Questions()[0];
  EXPECT_EQ(asked.prompt, kPrompt);
  EXPECT_EQ(asked.title, "输入本计算机的密码");
  EXPECT_EQ(asked.initial, "");
  EXPECT_EQ(asked.mode, AskMasked);

  // The connection file first, then the saved password.
  const std::vector<FakeSystem::FileWrite> writes = scene.fake.FileWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].path.rfind(scene.fake.TempDir(), 0), 0u);
  EXPECT_EQ(writes[1].path, scene.PasswordFile("PC1"));
  EXPECT_TRUE(Line19Carries(scene.fake, writes[0].content, "s3cret"));
  ASSERT_EQ(scene.fake.Commands().size(), 1u);
  EXPECT_EQ(scene.fake.Commands()[0].commandLine, "mstsc.exe " + writes[0].path);
  EXPECT_FALSE(scene.fake.Commands()[0].wait);
  EXPECT_FALSE(scene.fake.Commands()[0].hidden);

  // Kept, but not as the typed bytes.
  const Text saved = scene.fake.FileContent(scene.PasswordFile("PC1"));
  EXPECT_EQ(saved.find("s3cret"), Text::npos);
  EXPECT_EQ(ReadSavedPassword(scene.fake, "PC1").password, "s3cret");
  EXPECT_FALSE(ReadSavedPassword(scene.fake, "PC1").plainText);

  scene.Launch();
  EXPECT_EQ(scene.fake.Questions().size(), 1u);
  const std::vector<FakeSystem::FileWrite> connections = scene.ConnectionWrites();
  ASSERT_EQ(connections.size(), 2u);
  EXPECT_NE(connections[1].path, connections[0].path);
  EXPECT_TRUE(Line19Carries(scene.fake, connections[1].content, "s3cret"));
  EXPECT_EQ(scene.WritesTo(scene.PasswordFile("PC1")), 1);
  ASSERT_EQ(scene.fake.Commands().size(), 2u);
  EXPECT_EQ(scene.fake.Commands()[1].commandLine, "mstsc.exe " + connections[1].path);
  EXPECT_TRUE(scene.fake.Messages().empty());
}

TEST(OpenRemoteDesktop, OkWithNothingTypedKeepsTheMarkerAndAsksAgain) {
  RemoteScene scene;
  scene.Select("PC1");
  scene.fake.QueueAskAnswer(Text(""));
  scene.Launch();
  ASSERT_EQ(scene.ConnectionWrites().size(), 1u);
  EXPECT_EQ(LineOf(scene.ConnectionWrites()[0].content, 19), "%密码%");
  EXPECT_TRUE(scene.fake.FileExists(scene.PasswordFile("PC1")));
  EXPECT_EQ(scene.fake.FileContent(scene.PasswordFile("PC1")), "");

  scene.fake.QueueAskAnswer(Text(""));
  scene.Launch();
  EXPECT_EQ(scene.fake.Questions().size(), 2u);
  EXPECT_EQ(scene.fake.Commands().size(), 2u);
}

TEST(OpenRemoteDesktop, CancelWritesAndStartsNothing) {
  RemoteScene scene;
  scene.Select("PC1");
  scene.fake.QueueAskAnswer(std::nullopt);
  scene.Launch();
  EXPECT_EQ(scene.fake.Questions().size(), 1u);
  EXPECT_TRUE(scene.fake.FileWrites().empty());
  EXPECT_TRUE(scene.fake.Commands().empty());
  EXPECT_TRUE(scene.fake.RegWrites().empty());
  EXPECT_FALSE(scene.fake.RegHasValue(RegRoot::CurrentUser, Text(kLocalDevices) + "PC1"));
}

TEST(OpenRemoteDesktop, AddressEntryNamesTheServerFileAndDevice) {
  RemoteScene scene;
  scene.Select("192.168.1.5");
  scene.fake.QueueAskAnswer(Text("pw"));
  scene.Launch();
  ASSERT_EQ(scene.ConnectionWrites().size(), 1u);
  const Text file = scene.ConnectionWrites()[0].content;
  EXPECT_EQ(LineOf(file, 6), "full address:s:192.168.1.5:3389");
  EXPECT_EQ(LineOf(file, 13), "redirectsmartcards:i:1");
  EXPECT_EQ(LineOf(file, 16), "username:s:administrator");
  EXPECT_EQ(LineOf(file, 35), "drivestoredirect:s:");
  EXPECT_TRUE(scene.fake.FileExists(scene.PasswordFile("192.168.1.5")));
  const std::vector<FakeSystem::RegWrite> regs = scene.fake.RegWrites();
  ASSERT_EQ(regs.size(), 1u);
  EXPECT_EQ(regs[0].root, RegRoot::CurrentUser);
  EXPECT_EQ(regs[0].path, Text(kLocalDevices) + "192.168.1.5");
  EXPECT_TRUE(regs[0].isNumber);
  EXPECT_EQ(regs[0].number, 76u);
}

TEST(OpenRemoteDesktop, LeavesAnExistingLocalDevicesValueAlone) {
  RemoteScene scene;
  scene.fake.SetRegText(RegRoot::CurrentUser, Text(kLocalDevices) + "PC1", "whatever");
  scene.Select("PC1");
  scene.fake.QueueAskAnswer(Text("pw"));
  scene.Launch();
  EXPECT_EQ(scene.fake.Commands().size(), 1u);
  EXPECT_TRUE(scene.fake.RegWrites().empty());
  EXPECT_EQ(scene.fake.RegReadText(RegRoot::CurrentUser, Text(kLocalDevices) + "PC1"), "whatever");
}

// A file saved by an older version holds the password as plain bytes; it is
// used as it stands and then kept protected.
TEST(OpenRemoteDesktop, UpgradesAPlainTextPasswordFile) {
  for (const Text& old : {Text("oldpw"), Text("DPAPI:4142"), Text("密码")}) {
    SCOPED_TRACE(old);
    RemoteScene scene;
    scene.fake.PutFile(scene.PasswordFile("PC1"), old);
    scene.Select("PC1");
    scene.Launch();
    EXPECT_TRUE(scene.fake.Questions().empty());
    ASSERT_EQ(scene.ConnectionWrites().size(), 1u);
    EXPECT_TRUE(Line19Carries(scene.fake, scene.ConnectionWrites()[0].content, old));
    EXPECT_EQ(scene.WritesTo(scene.PasswordFile("PC1")), 1);
    EXPECT_NE(scene.fake.FileContent(scene.PasswordFile("PC1")), old);
    const SavedPassword saved = ReadSavedPassword(scene.fake, "PC1");
    EXPECT_EQ(saved.password, old);
    EXPECT_FALSE(saved.plainText);
  }
}

TEST(OpenRemoteDesktop, RefusesAPasswordTooLongForTheBlock) {
  struct Case {
    Text password;
    bool fits;
  };
  const Text chinese255 = [] {
    Text t;
    for (int i = 0; i < 255; ++i) t += "密";
    return t;
  }();
  for (const Case& c : {Case{Text(255, 'a'), true}, Case{Text(256, 'a'), false},
                        Case{chinese255, true}, Case{chinese255 + "a", false}}) {
    SCOPED_TRACE(c.password.size());
    RemoteScene scene;
    scene.Select("PC1");
    scene.fake.QueueAskAnswer(c.password);
    scene.Launch();
    if (c.fits) {
      EXPECT_TRUE(scene.fake.Messages().empty());
      EXPECT_EQ(scene.fake.Commands().size(), 1u);
      EXPECT_EQ(ReadSavedPassword(scene.fake, "PC1").password, c.password);
    } else {
      ASSERT_EQ(scene.fake.Messages().size(), 1u);
      EXPECT_EQ(scene.fake.Messages()[0].text, "密码太长，最多255个字符！");
      EXPECT_EQ(scene.fake.Messages()[0].style, MsgWarning);
      EXPECT_TRUE(scene.fake.FileWrites().empty());
      EXPECT_TRUE(scene.fake.Commands().empty());
      EXPECT_TRUE(scene.fake.RegWrites().empty());
    }
  }
}

TEST(OpenRemoteDesktop, TooLongPlainTextFileIsRefusedToo) {
  RemoteScene scene;
  scene.fake.PutFile(scene.PasswordFile("PC1"), Text(300, 'x'));
  scene.Select("PC1");
  scene.Launch();
  ASSERT_EQ(scene.fake.Messages().size(), 1u);
  EXPECT_EQ(scene.fake.Messages()[0].text, "密码太长，最多255个字符！");
  EXPECT_TRUE(scene.fake.FileWrites().empty());
  EXPECT_TRUE(scene.fake.Commands().empty());
}

// Without protection the client still starts, asking for the password
// itself; the password is not kept in readable form instead.
TEST(OpenRemoteDesktop, FailedProtectionStillConnectsButKeepsNothing) {
  RemoteScene scene;
  scene.fake.FailProtection();
  scene.Select("PC1");
  scene.fake.QueueAskAnswer(Text("pw"));
  scene.Launch();
  ASSERT_EQ(scene.ConnectionWrites().size(), 1u);
  EXPECT_EQ(LineOf(scene.ConnectionWrites()[0].content, 19), "password 51:b:0");
  EXPECT_EQ(scene.fake.Commands().size(), 1u);
  EXPECT_FALSE(scene.fake.FileExists(scene.PasswordFile("PC1")));

  scene.fake.FailProtection(false);
  scene.fake.QueueAskAnswer(Text("pw"));
  scene.Launch();
  EXPECT_EQ(scene.fake.Questions().size(), 2u);
}

}  // namespace
}  // namespace volmere
