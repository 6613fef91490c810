#include "resources/ping_sweep_window_layout.h"

namespace volmere {

const WindowLayout kPingSweepWindowLayout = {
    "PingSweepWindow",
    "ping获取计算机",
    559,
    138,
    0,
    {
        {"", ControlKind::Label, "本机IP地址列表：", 14, 8, 97, 24},
        {"localAddressCombo", ControlKind::DropDownList, "", 111, 12, 151, 20, 0, "", 6},
        {"", ControlKind::Label, "输入IP段：", 14, 43, 56, 24},
        {"octet1Edit", ControlKind::Edit, "", 74, 44, 36, 21, kCenterText | kDigitsAndMinus, "", 0},
        {"octet2Edit", ControlKind::Edit, "", 126, 44, 36, 21, kCenterText | kDigitsAndMinus, "",
         1},
        {"octet3Edit", ControlKind::Edit, "", 178, 44, 36, 21, kCenterText, "", 2},
        {"rangeMarkEdit", ControlKind::Edit, "~", 230, 44, 36, 21, kCenterText | kDisabled, "", 3},
        {"", ControlKind::Label, "设置超时时间（毫秒）：", 14, 75, 136, 24},
        {"timeoutEdit", ControlKind::Edit, "100", 150, 77, 40, 21, kCenterText, "", 4},
        {"sweepButton", ControlKind::Button, "ping获取", 198, 76, 72, 24, 0, "", 5},
        {"sweepList", ControlKind::ReportList, "", 285, 7, 256, 89, kNoHeader, "", 7, 0, 0, 250},
    },
    {},
};

}  // namespace volmere
