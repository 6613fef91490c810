#include "sharing/settings_actions.h"
#include "sharing/sharing_modes.h"

namespace volmere {
namespace {

struct SharingChoice {
  const char* radio;
  bool (*apply)(SystemServices&);
  const char* doneMessage;
};

constexpr const char kSwitchedOnMessage[] = "开启共享成功，部分计算机需要重新启动！";

// Tested in this order; the first checked one is applied.
const SharingChoice kSharingChoices[] = {
    {"sharingWithPasswordRadio", EnableSharingWithPassword, kSwitchedOnMessage},
    {"sharingOpenRadio", EnableSharingOpen, kSwitchedOnMessage},
    {"sharingOffRadio", DisableSharing, "关闭开启共享成功！"},
};

}  // namespace

void ApplySharingMode(AppContext& ctx, WindowId settings) {
  for (const SharingChoice& choice : kSharingChoices) {
    if (!ctx.sys.IsChecked(settings, choice.radio)) continue;
    if (choice.apply(ctx.sys)) {
      ctx.sys.ShowMessage(choice.doneMessage, MsgInformation);
    } else {
      ctx.sys.ShowMessage(kSharingModeFailedMessage, MsgWarning);
    }
    return;
  }
}

}  // namespace volmere
