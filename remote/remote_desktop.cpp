#include "remote/remote_desktop.h"

#include "remote/connection_template.h"
#include "remote/password_protection.h"
#include "remote/saved_password.h"

namespace volmere {
namespace {

constexpr const char* kUserName = "administrator";
constexpr const char* kLocalDevicesKey =
    "Software\\Microsoft\\Terminal Server Client\\LocalDevices\\";
constexpr std::uint32_t kLocalDevicesMark = 76;

// A password that cannot be protected whole would reach the client cut
// short or not at all; refusing it is the only honest answer.
bool RefuseTooLong(SystemServices& sys, const Text& password) {
  if (PasswordFitsBlock(sys, password)) return false;
  sys.ShowMessage("密码太长，最多255个字符！", MsgWarning);
  return true;
}

}  // namespace

void StartRemoteSession(SystemServices& sys, const Text& userName, const Text& password,
                        const Text& computer) {
  const Text file = sys.NewTempFileName();
  const Text protectedPassword = password.empty() ? Text() : ProtectPassword(sys, password);
  sys.WriteTextFile(file, FillConnectionTemplate(userName, computer, protectedPassword));
  const Text mark = kLocalDevicesKey + computer;
  if (!sys.RegValueExists(RegRoot::CurrentUser, mark)) {
    sys.RegWriteNumber(RegRoot::CurrentUser, mark, kLocalDevicesMark);
  }
  sys.RunCommand("mstsc.exe " + file, false, false);
}

void OpenRemoteDesktop(AppContext& ctx) {
  SystemServices& sys = ctx.sys;
  const Text entry = SelectedEntryText(ctx);
  if (entry.empty()) {
    sys.ShowMessage("请你选择计算机", MsgWarning);
    return;
  }
  const SavedPassword saved = ReadSavedPassword(sys, entry);
  if (!saved.password.empty()) {
    if (RefuseTooLong(sys, saved.password)) return;
    StartRemoteSession(sys, kUserName, saved.password, entry);
    if (saved.plainText) SavePassword(sys, entry, saved.password);
    return;
  }
  Text typed;
  if (!sys.AskText("请在下面输入本计算机的密码，如果没有密码，请不要输入。", "输入本计算机的密码",
                   "", AskMasked, &typed)) {
    return;
  }
  if (RefuseTooLong(sys, typed)) return;
  StartRemoteSession(sys, kUserName, typed, entry);
  SavePassword(sys, entry, typed);
}

}  // namespace volmere
