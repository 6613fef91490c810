#include "resources/main_window_layout.h"

namespace volmere {

const WindowLayout kMainWindowLayout = {
    "MainWindow",
    "Volmere 6.6",
    533,
    388,
    kMinimizeBox | kTaskBarButton,
    {
        {"computerList", ControlKind::IconList, "", 0, 0, 528, 300, kSunken},
        {"statusLabel", ControlKind::Label, "正在获取在线计算机，请稍后。。。", 7, 304, 241, 24,
         kTransparent | kNotifyClicks, "", -1, 0xFF0000, 14},
        {"autoCloseCheck", ControlKind::CheckBox, "自动关闭", 248, 310, 72, 16, kChecked},
        {"pingSweepButton", ControlKind::Button, "ping获取列表", 328, 305, 102, 24},
        {"refreshButton", ControlKind::Button, "刷新中...", 436, 305, 88, 24, kDisabled},
        {"localSharesButton", ControlKind::Button, "本机共享列表", 5, 332, 102, 24},
        {"shareFolderButton", ControlKind::Button, "一键共享文件夹", 113, 332, 102, 24},
        {"printersButton", ControlKind::Button, "共享打印机", 221, 332, 102, 24},
        {"folderPermissionButton", ControlKind::Button, "设置文件夹权限", 329, 332, 102, 24},
        {"sharingSettingsButton", ControlKind::Button, "共享设置", 436, 332, 88, 24},
    },
    {
        {"contextMenu",
         "右键菜单",
         {
             {"viewByIpItem", "以IP方式查看", true},
             {"viewByNameItem", "以计算机名方式查看", false},
             {"pingComputerItem", "ping一下此计算机", true},
             {"remoteDesktopItem", "远程链接到此计算机桌面", true},
             {"localSharesItem", "查看本机共享资源", true},
             {"pingSweepItem", "ping获取列表", true},
             {"shareFolderItem", "一键共享文件夹或磁盘", true},
             {"renameComputerItem", "更改本机计算机名", true},
             {"companyNameItem", "更改公司名称", true},
             {"sharingSettingsItem", "共享设置", true},
             {"helpItem", "帮助", true},
             {"aboutItem", "关于", true},
         }},
    },
};

}  // namespace volmere
