#include "sharing/computer_identity.h"

#include <cstring>

namespace volmere {
namespace {

const char* const kComputerNameWrites[] = {
    kComputerNamePath,
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\NV Hostname",
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Hostname",
};

constexpr int kMaxNameBytes = 15;
constexpr const char kComputerNameForbidden[] = " \\/:*?\"<>|,~!@#$%^&'.(){}[];=+";
// "%" would be expanded by the command interpreter and '"' would end the
// quoted name in the wmic line.
constexpr const char kWorkgroupForbidden[] = "\\/:*?\"<>|%";

// Looks only at single-byte characters: the trail byte of a double-byte
// character may equal "\" or "|" and is part of that character.
bool HoldsAnyOf(const Text& text, const char* forbidden) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsCharacterStart(text, i)) continue;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80 && std::strchr(forbidden, text[i]) != nullptr) return true;
  }
  return false;
}

bool DigitsOnly(const Text& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

const char kInvalidComputerNameMessage[] =
    "计算机名无效：最多15个字节（7个汉字），不能全是数字，不能含空格和标点符号。";
const char kInvalidWorkgroupMessage[] =
    "工作组名无效：最多15个字节，不能含 \\ / : * ? \" < > | % 等符号。";
const char kComputerNameWriteFailedMessage[] =
    "更改失败！请右击本软件，选择以管理员身份运行后再试。";

Text RegistryComputerName(SystemServices& sys) {
  return sys.RegReadText(RegRoot::LocalMachine, kComputerNamePath);
}

bool WriteComputerName(SystemServices& sys, const Text& name) {
  bool allWritten = true;
  for (const char* path : kComputerNameWrites) {
    allWritten = sys.RegWriteText(RegRoot::LocalMachine, path, name) && allWritten;
  }
  return allWritten;
}

void SetCompanyCaption(AppContext& ctx, const Text& company) {
  ctx.sys.SetText(ctx.mainWindow, "",
                  company + "Volmere6.3---我的计算机名：" + RegistryComputerName(ctx.sys));
}

bool IsValidComputerName(const Text& name) {
  return !name.empty() && TextLength(name) <= kMaxNameBytes && !DigitsOnly(name) &&
         !HoldsAnyOf(name, kComputerNameForbidden);
}

bool IsValidWorkgroupName(const Text& name) {
  return !name.empty() && TextLength(name) <= kMaxNameBytes &&
         !HoldsAnyOf(name, kWorkgroupForbidden);
}

}  // namespace volmere
