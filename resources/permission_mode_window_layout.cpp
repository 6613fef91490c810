#include "resources/permission_mode_window_layout.h"

namespace volmere {

const WindowLayout kPermissionModeWindowLayout = {
    "PermissionModeWindow",
    "请选择权限模式",
    380,
    105,
    0,
    {
        {"permFullControlRadio", ControlKind::RadioButton, "完全控制", 16, 22, 96, 16, kGroupStart},
        {"permReadOnlyRadio", ControlKind::RadioButton, "只读模式", 102, 22, 96, 16},
        {"permReadWriteRadio", ControlKind::RadioButton, "读、写", 188, 22, 96, 16, kChecked},
        {"permClosedRadio", ControlKind::RadioButton, "关闭", 272, 22, 96, 16},
        {"permOkButton", ControlKind::Button, "确定", 168, 48, 88, 24},
        {"permCancelButton", ControlKind::Button, "取消", 272, 48, 88, 24},
    },
    {},
};

}  // namespace volmere
