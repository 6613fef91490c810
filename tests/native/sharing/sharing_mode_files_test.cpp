#include "sharing/sharing_mode_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/text.h"

namespace volmere {
namespace {

// Lines separated by CR LF; a final CR LF gives no extra line.
std::vector<Text> CrLfLines(const Text& text) {
  std::vector<Text> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == Text::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool EndsWith(const Text& text, const Text& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct FileCase {
  const char* name;
  std::function<Text()> text;
  std::size_t bytes;
  std::size_t lines;
  bool endsWithCrLf;
};

TEST(SharingModeFiles, SizesLineCountsAndLineEnds) {
  const FileCase cases[] = {
      {"开启共享.reg", OpenModeRegistryText, 1906, 43, true},
      {"开共享.reg", PasswordModeRegistryText, 1902, 42, false},
      {"关闭共享.reg", OffModeRegistryText, 2036, 43, true},
      {"security.inf", SecurityTemplateText, 330, 12, false},
      {"开启共享.bat", OpenModeBatchText, 242, 10, true},
      {"开共享.bat", PasswordModeBatchText, 207, 9, true},
      {"关闭共享.bat", OffModeBatchText, 71, 4, false},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Text text = c.text();
    EXPECT_EQ(text.size(), c.bytes);
    EXPECT_EQ(CrLfLines(text).size(), c.lines);
    EXPECT_EQ(EndsWith(text, "\r\n"), c.endsWithCrLf);
    // Every line break is CR LF: no lone CR or LF, and no zero byte.
    for (const Text& line : CrLfLines(text)) {
      EXPECT_EQ(line.find_first_of(Text("\r\n\0", 3)), Text::npos) << line;
    }
  }
  EXPECT_TRUE(EndsWith(PasswordModeBatchText(), "\r\n\r\n"));
}

// The open mode's registry file line by line; the value names under the
// UserAssist key are the program's own choice and checked apart.
TEST(SharingModeFiles, OpenRegistryFileLines) {
  const std::vector<Text> lines = CrLfLines(OpenModeRegistryText());
  const std::vector<Text> expected = {
      "Windows Registry Editor Version 5.00",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Lsa])",
      R"("restrictanonymous"=dword:00000000)",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])",
      R"("restrictanonymous"=dword:00000000)",
      "",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])",
      R"("limitblankpassworduse"=dword:00000000)",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Lsa])",
      R"("limitblankpassworduse"=dword:00000000)",
      "",
      "",
      R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\UserAssist\{75048700-EF1F-11D0-9888-006097DEACF9}\Count])",
      "=hex:0C,00,00,00,26,00,00,00,F0,FB,E5,52,64,95,C6,01",
      "=hex:0C,00,00,00,08,00,00,00,F0,FB,E5,52,64,95,C6,01",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\SharedAccess\Parameters\FirewallPolicy\StandardProfile\GloballyOpenPorts\List])",
      R"("445:TCP"="445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005")",
      R"("137:UDP"="137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001")",
      R"("138:UDP"="138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002")",
      R"("139:TCP"="139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004")",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\SharedAccess\Epoch])",
      R"("Epoch"=dword:000001ED)",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Print\Providers])",
      R"("LogonTime"=hex:E8,31,8E,4F,64,95,C6,01)",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Services\SharedAccess\Parameters\FirewallPolicy\StandardProfile\GloballyOpenPorts\List])",
      R"("445:TCP"="445:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22005")",
      R"("137:UDP"="137:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22001")",
      R"("138:UDP"="138:UDP:LocalSubNet:Enabled:@xpsp2res.dll,-22002")",
      R"("139:TCP"="139:TCP:LocalSubNet:Enabled:@xpsp2res.dll,-22004")",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Services\SharedAccess\Epoch])",
      R"("Epoch"=dword:000001ED)",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])",
      R"("forceguest"=dword:00000001)",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1));
    if (i == 17 || i == 18) {
      EXPECT_TRUE(EndsWith(lines[i], expected[i])) << lines[i];
    } else {
      EXPECT_EQ(lines[i], expected[i]);
    }
  }
}

// The scrambled names: a quoted 11-character name, and a second name whose
// length the file sizes fix; both the same in all three files.
TEST(SharingModeFiles, UserAssistValueNamesAreQuotedAndShared) {
  const std::vector<Text> open = CrLfLines(OpenModeRegistryText());
  const Text first = open[17].substr(0, open[17].find("=hex:"));
  const Text second = open[18].substr(0, open[18].find("=hex:"));
  ASSERT_GE(first.size(), 2u);
  EXPECT_EQ(first.front(), '"');
  EXPECT_EQ(first.back(), '"');
  EXPECT_EQ(first.size() - 2, 11u);
  EXPECT_EQ(second.front(), '"');
  EXPECT_EQ(second.back(), '"');
  for (const Text& other : {PasswordModeRegistryText(), OffModeRegistryText()}) {
    const std::vector<Text> lines = CrLfLines(other);
    EXPECT_EQ(lines[16].rfind(first + "=hex:", 0), 0u) << lines[16];
    EXPECT_EQ(lines[17].rfind(second + "=hex:", 0), 0u) << lines[17];
  }
}

TEST(SharingModeFiles, PasswordRegistryFileDiffersFromOpenOnlyWhereItShould) {
  std::vector<Text> expected = CrLfLines(OpenModeRegistryText());
  expected.erase(expected.begin() + 15);  // one empty line before UserAssist, not two
  expected.back() = R"("forceguest"=dword:00000000)";
  EXPECT_EQ(CrLfLines(PasswordModeRegistryText()), expected);
}

TEST(SharingModeFiles, OffRegistryFileDiffersFromOpenOnlyWhereItShould) {
  const std::vector<Text> open = CrLfLines(OpenModeRegistryText());
  std::vector<Text> expected;
  for (std::size_t i = 0; i < open.size(); ++i) {
    const std::size_t line = i + 1;
    if (line == 16 || (line >= 29 && line <= 31) || line >= 41) continue;  // absent when off
    Text text = open[i];
    for (const auto& change : std::vector<std::pair<Text, Text>>{
             {"dword:00000000", "dword:00000001"},
             {"26,00,00,00,F0,FB,E5,52,64,95,C6,01", "2A,00,00,00,90,AF,A4,87,A4,95,C6,01"},
             {"08,00,00,00,F0,FB,E5,52,64,95,C6,01", "13,00,00,00,90,AF,A4,87,A4,95,C6,01"},
             {":Enabled:", ":Disabled:"},
             {"dword:000001ED", "dword:000001FC"}}) {
      const std::size_t at = text.find(change.first);
      if (at != Text::npos) text.replace(at, change.first.size(), change.second);
    }
    expected.push_back(text);
  }
  const std::vector<Text> off = CrLfLines(OffModeRegistryText());
  ASSERT_EQ(off.size(), 43u);
  // Lines 20 to 26 of the off file: the random number generator's seed.
  std::vector<Text> withoutSeed = off;
  withoutSeed.erase(withoutSeed.begin() + 19, withoutSeed.begin() + 26);
  EXPECT_EQ(withoutSeed, expected);
  EXPECT_EQ(off[19], R"([HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Cryptography\RNG])");
  EXPECT_EQ(off[25], "");
}

TEST(SharingModeFiles, OffRegistrySeedIsEightyBytesInContinuedLines) {
  const std::vector<Text> off = CrLfLines(OffModeRegistryText());
  const std::size_t lengths[] = {60, 49, 49, 49, 47};
  int bytes = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    Text data = off[20 + i];
    SCOPED_TRACE(data);
    EXPECT_EQ(data.size(), lengths[i]);
    if (i == 0) {
      ASSERT_EQ(data.rfind(R"("Seed"=hex:)", 0), 0u);
      data = data.substr(11);
    }
    if (i < 4) {
      ASSERT_TRUE(EndsWith(data, ",\\"));
      data.resize(data.size() - 2);
    }
    for (const Text& item : SplitText(data, ",")) {
      EXPECT_EQ(item.size(), 2u);
      EXPECT_EQ(item.find_first_not_of("0123456789ABCDEF"), Text::npos) << item;
      ++bytes;
    }
  }
  EXPECT_EQ(bytes, 80);
}

TEST(SharingModeFiles, SecurityTemplateText) {
  EXPECT_EQ(
      SecurityTemplateText(),
      "[Unicode]\r\nUnicode=yes\r\n[Version]\r\nsignature=\"$CHICAGO$\"\r\nRevision=1\r\n"
      "[Privilege Rights]\r\nsedenybatchlogonright =\r\n"
      "sedenyinteractivelogonright = guest\r\nsedenynetworklogonright = \r\n"
      "sedenyremoteinteractivelogonright =\r\nsedenyservicelogonright =\r\n"
      "senetworklogonright = *S-1-1-0,Users,Power Users,Backup Operators,Administrators,guest");
}

TEST(SharingModeFiles, BatchTexts) {
  const Text secedit =
      "Secedit /configure /cfg \"security.inf\" /db secsetup.sdb /areas USER_RIGHTS /verbose\r\n"
      "net user guest /active:yes\r\nnet user guest \"\"\r\n\r\n";
  EXPECT_EQ(
      OpenModeBatchText(),
      "@ ECHO OFF\r\n@ ECHO.\r\nNET USER Guest /active:yes\r\nNET USER Guest /passwordreq:no\r\n"
      "\r\n" +
          secedit + "regedit /s 开启共享.reg\r\n");
  EXPECT_EQ(PasswordModeBatchText(), "@ ECHO OFF\r\n@ ECHO.\r\nnet user Guest /active:no\r\n" +
                                         secedit + "regedit /s 开共享.reg\r\n\r\n");
  EXPECT_EQ(OffModeBatchText(),
            "@ ECHO OFF\r\n@ ECHO.\r\nregedit /s 关闭共享.reg\r\nnet user Guest /active:no");
}

}  // namespace
}  // namespace volmere
