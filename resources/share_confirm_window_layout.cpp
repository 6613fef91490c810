#include "resources/share_confirm_window_layout.h"

namespace volmere {

const WindowLayout kShareConfirmWindowLayout = {
    "ShareConfirmWindow",
    "确定共享文件夹",
    213,
    151,
    0,
    {
        {"shareNamePrompt", ControlKind::Label, "请输入共享名称：", 8, 8, 136, 24},
        {"shareNameEdit", ControlKind::Edit, "", 12, 32, 184, 24, kSunken},
        {"readOnlyRadio", ControlKind::RadioButton, "只读模式", 16, 64, 80, 24, kGroupStart},
        {"fullControlRadio", ControlKind::RadioButton, "完全控制", 104, 61, 80, 32, kChecked},
        {"cancelShareButton", ControlKind::Button, "取消", 17, 91, 72, 24},
        {"confirmShareButton", ControlKind::Button, "确定共享", 104, 91, 72, 24},
    },
    {},
};

}  // namespace volmere
