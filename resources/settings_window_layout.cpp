#include "resources/settings_window_layout.h"

namespace volmere {
namespace {

constexpr const char* kSharingPage = "settingsTabs#0";
constexpr const char* kOtherPage = "settingsTabs#1";
constexpr const char* kAboutPage = "settingsTabs#2";
constexpr const char* kRemoteGroup = "remoteSettingsGroup";
constexpr const char* kPersonalGroup = "personalSettingsGroup";

}  // namespace

const WindowLayout kSettingsWindowLayout = {
    "SettingsWindow",
    "设置",
    380,
    250,
    0,
    {
        {"settingsTabs", ControlKind::TabControl, "共享设置|其它设置|关于", 0, 0, 376, 224},

        {"sharingWithPasswordRadio", ControlKind::RadioButton,
         "开启局域网共享(对方访问本机要填用户名和密码)", 13, 53, 320, 24, kGroupStart,
         kSharingPage},
        {"sharingOpenRadio", ControlKind::RadioButton,
         "（推荐）开启局域网共享(访问本机不输入密码即可进入)", 13, 85, 352, 32, 0, kSharingPage},
        {"sharingOffRadio", ControlKind::RadioButton, "关闭局域网共享", 12, 122, 304, 32, 0,
         kSharingPage},
        {"applySharingButton", ControlKind::Button, "完成设置", 255, 183, 96, 24, 0, kSharingPage},

        {"remoteSettingsGroup", ControlKind::GroupBox, "远程设置", 16, 27, 344, 45, 0, kOtherPage},
        {"remoteDesktopOnRadio", ControlKind::RadioButton, "开启远程协助", 44, 16, 120, 16,
         kGroupStart, kRemoteGroup},
        {"remoteDesktopOffRadio", ControlKind::RadioButton, "关闭远程协助", 202, 16, 128, 16, 0,
         kRemoteGroup},
        {"personalSettingsGroup", ControlKind::GroupBox, "个性设置", 16, 77, 344, 107, 0,
         kOtherPage},
        {"", ControlKind::Label, "更改计算机名：", 8, 16, 88, 24, 0, kPersonalGroup},
        {"computerNameEdit", ControlKind::Edit, "", 96, 18, 96, 20, kCenterText, kPersonalGroup},
        {"", ControlKind::Label, "注:win7需管理员权限", 205, 22, 136, 16, 0, kPersonalGroup},
        {"", ControlKind::Label, "更改工 作 组：", 8, 47, 80, 16, 0, kPersonalGroup},
        {"workgroupEdit", ControlKind::Edit, "", 96, 46, 96, 20, kCenterText, kPersonalGroup},
        {"", ControlKind::Label, "局域网工作组最好一致", 207, 49, 121, 16, 0, kPersonalGroup},
        {"", ControlKind::Label, "更改公司名称：", 8, 74, 80, 16, 0, kPersonalGroup},
        {"companyNameEdit", ControlKind::Edit, "", 96, 74, 96, 20, kCenterText, kPersonalGroup},
        {"doubleClickCheck", ControlKind::CheckBox, "双击打开列表", 207, 79, 104, 16, 0,
         kPersonalGroup},
        {"clearSavedDataButton", ControlKind::Button, "清除公司名和远程密码", 15, 192, 128, 24, 0,
         kOtherPage},
        {"settingsOkButton", ControlKind::Button, "确定", 190, 192, 72, 24, 0, kOtherPage},
        {"settingsCancelButton", ControlKind::Button, "取消", 284, 192, 72, 24, 0, kOtherPage},

        // A press on the label opens the help page, which has the contact details.
        {"aboutLabel", ControlKind::Label, "VolmereV6.6\r\n\r\n帮助与联系：点这里", 112, 66, 128,
         54, kWrap | kNotifyClicks, kAboutPage},
        {"stepsLabel", ControlKind::Label,
         "第一步：开启共享   \r\n第二步：共享文件夹或打印机  \r\n第三步：如果选择的是磁盘，请将磁盘"
         "设置文件夹权限",
         50, 137, 304, 48, kWrap, kAboutPage},
    },
    {},
};

}  // namespace volmere
