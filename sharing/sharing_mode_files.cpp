#include "sharing/sharing_mode_files.h"

#include <vector>

namespace volmere {

const char kOpenModeRegistryFile[] = "开启共享.reg";
const char kOpenModeBatchFile[] = "开启共享.bat";
const char kPasswordModeRegistryFile[] = "开共享.reg";
const char kPasswordModeBatchFile[] = "开共享.bat";
const char kOffModeRegistryFile[] = "关闭共享.reg";
const char kOffModeBatchFile[] = "关闭共享.bat";
const char kSecurityTemplateFile[] = "security.inf";
const char kSecurityDatabaseFile[] = "secsetup.sdb";

namespace {

using Lines = std::vector<Text>;

enum class LastLineEnd { CrLf, None };

Text JoinLines(const Lines& lines, LastLineEnd end) {
  Text text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || end == LastLineEnd::CrLf) text += "\r\n";
  }
  return text;
}

void Append(Lines& lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// The registry files of the three modes share their layout; they differ in
// the values below and in a few blocks that only some of them carry.
struct RegistryRecipe {
  const char* lsaAccess;  // restrictanonymous and limitblankpassworduse
  int emptyLinesBeforeUserAssist;
  const char* firstUserAssistData;
  const char* secondUserAssistData;
  bool randomSeed;
  const char* portState;
  const char* epoch;
  bool printLogonTime;
  const char* forceGuest;  // nullptr: the file does not set it
  LastLineEnd lastLineEnd;
};

Lines LsaAccessLines(const Text& value) {
  return {
      "Windows Registry Editor Version 5.00",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Lsa])",
      R"("restrictanonymous"=dword:)" + value,
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])",
      R"("restrictanonymous"=dword:)" + value,
      "",
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])",
      R"("limitblankpassworduse"=dword:)" + value,
      "",
      R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Lsa])",
      R"("limitblankpassworduse"=dword:)" + value,
  };
}

// Windows keeps the value names under this key in ROT13.
Lines UserAssistLines(const Text& firstData, const Text& secondData) {
  return {
      R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\UserAssist\{75048700-EF1F-11D0-9888-006097DEACF9}\Count])",
      R"("HRZR_HVDPHG"=hex:)" + firstData,
      R"("HRZR_EHACNGU:P:\\Cebtenz Svyrf\\Ibyzrer YNA\\ibyzrer_i6.6.rkr"=hex:)" + secondData,
  };
}

Lines RandomSeedLines() {
  return {
      R"([HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Cryptography\RNG])",
      R"("Seed"=hex:7C,8C,FE,40,6C,2C,79,DD,DC,A0,73,EF,7B,96,CF,56,\)",
      R"(10,D5,C3,A1,86,41,5E,62,83,7D,A4,E9,F1,FE,72,01,\)",
      R"(CB,69,F4,E0,CC,2D,00,BA,AE,6E,1C,BC,12,1C,57,E9,\)",
      R"(16,F6,3F,38,D7,75,AD,6D,33,E7,1B,41,29,FF,DE,BA,\)",
      R"(38,6D,D6,98,CE,AE,45,AE,81,B7,76,C4,64,31,8C,DF)",
  };
}

// The four ports of file and printer sharing, as the firewall lists them.
struct SharingPort {
  const char* name;
  const char* description;  // resource id of the rule's description
};
const SharingPort kSharingPorts[] = {
    {"445:TCP", "22005"}, {"137:UDP", "22001"}, {"138:UDP", "22002"}, {"139:TCP", "22004"}};

Lines OpenPortLines(const Text& controlSet, const Text& state) {
  Lines lines = {
      R"([HKEY_LOCAL_MACHINE\SYSTEM\)" + controlSet +
      R"(\Services\SharedAccess\Parameters\FirewallPolicy\StandardProfile\GloballyOpenPorts\List])"};
  for (const SharingPort& port : kSharingPorts) {
    lines.push_back(Text("\"") + port.name + "\"=\"" + port.name + ":LocalSubNet:" + state +
                    ":@xpsp2res.dll,-" + port.description + "\"");
  }
  return lines;
}

Lines EpochLines(const Text& controlSet, const Text& epoch) {
  return {
      R"([HKEY_LOCAL_MACHINE\SYSTEM\)" + controlSet + R"(\Services\SharedAccess\Epoch])",
      R"("Epoch"=dword:)" + epoch,
  };
}

Text RegistryText(const RegistryRecipe& recipe) {
  Lines lines = LsaAccessLines(recipe.lsaAccess);
  lines.insert(lines.end(), static_cast<std::size_t>(recipe.emptyLinesBeforeUserAssist), "");
  Append(lines, UserAssistLines(recipe.firstUserAssistData, recipe.secondUserAssistData));
  lines.push_back("");
  if (recipe.randomSeed) {
    Append(lines, RandomSeedLines());
    lines.push_back("");
  }
  Append(lines, OpenPortLines("CurrentControlSet", recipe.portState));
  lines.push_back("");
  Append(lines, EpochLines("CurrentControlSet", recipe.epoch));
  lines.push_back("");
  if (recipe.printLogonTime) {
    lines.push_back(R"([HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\Control\Print\Providers])");
    lines.push_back(R"("LogonTime"=hex:E8,31,8E,4F,64,95,C6,01)");
    lines.push_back("");
  }
  Append(lines, OpenPortLines("ControlSet001", recipe.portState));
  lines.push_back("");
  Append(lines, EpochLines("ControlSet001", recipe.epoch));
  if (recipe.forceGuest) {
    lines.push_back("");
    lines.push_back(R"([HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa])");
    lines.push_back(Text(R"("forceguest"=dword:)") + recipe.forceGuest);
  }
  return JoinLines(lines, recipe.lastLineEnd);
}

const char kOnUserAssistFirst[] = "0C,00,00,00,26,00,00,00,F0,FB,E5,52,64,95,C6,01";
const char kOnUserAssistSecond[] = "0C,00,00,00,08,00,00,00,F0,FB,E5,52,64,95,C6,01";

// Both "on" batches apply the template and open the guest account the same
// way after their own first lines, then import their registry file.
Lines GuestAccessLines() {
  return {
      R"(Secedit /configure /cfg "security.inf" /db secsetup.sdb /areas USER_RIGHTS /verbose)",
      "net user guest /active:yes",
      R"(net user guest "")",
      "",
  };
}

}  // namespace

Text OpenModeRegistryText() {
  return RegistryText({"00000000", 2, kOnUserAssistFirst, kOnUserAssistSecond, false, "Enabled",
                       "000001ED", true, "00000001", LastLineEnd::CrLf});
}

Text PasswordModeRegistryText() {
  return RegistryText({"00000000", 1, kOnUserAssistFirst, kOnUserAssistSecond, false, "Enabled",
                       "000001ED", true, "00000000", LastLineEnd::None});
}

Text OffModeRegistryText() {
  return RegistryText({"00000001", 1, "0C,00,00,00,2A,00,00,00,90,AF,A4,87,A4,95,C6,01",
                       "0C,00,00,00,13,00,00,00,90,AF,A4,87,A4,95,C6,01", true, "Disabled",
                       "000001FC", false, nullptr, LastLineEnd::CrLf});
}

Text SecurityTemplateText() {
  return JoinLines(
      {
          "[Unicode]",
          "Unicode=yes",
          "[Version]",
          R"(signature="$CHICAGO$")",
          "Revision=1",
          "[Privilege Rights]",
          "sedenybatchlogonright =",
          "sedenyinteractivelogonright = guest",
          "sedenynetworklogonright = ",
          "sedenyremoteinteractivelogonright =",
          "sedenyservicelogonright =",
          "senetworklogonright = *S-1-1-0,Users,Power Users,Backup Operators,Administrators,guest",
      },
      LastLineEnd::None);
}

Text OpenModeBatchText() {
  Lines lines = {
      "@ ECHO OFF", "@ ECHO.", "NET USER Guest /active:yes", "NET USER Guest /passwordreq:no", "",
  };
  Append(lines, GuestAccessLines());
  lines.push_back(Text("regedit /s ") + kOpenModeRegistryFile);
  return JoinLines(lines, LastLineEnd::CrLf);
}

Text PasswordModeBatchText() {
  Lines lines = {"@ ECHO OFF", "@ ECHO.", "net user Guest /active:no"};
  Append(lines, GuestAccessLines());
  lines.push_back(Text("regedit /s ") + kPasswordModeRegistryFile);
  lines.push_back("");
  return JoinLines(lines, LastLineEnd::CrLf);
}

Text OffModeBatchText() {
  return JoinLines({"@ ECHO OFF", "@ ECHO.", Text("regedit /s ") + kOffModeRegistryFile,
                    "net user Guest /active:no"},
                   LastLineEnd::None);
}

}  // namespace volmere
