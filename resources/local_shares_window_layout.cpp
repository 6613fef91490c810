#include "resources/local_shares_window_layout.h"

namespace volmere {

const WindowLayout kLocalSharesWindowLayout = {
    "LocalSharesWindow",
    "本机共享资源列表",
    319,
    282,
    0,
    {
        {"sharesList", ControlKind::ReportList, "本机共享资源", 1, 4, 207, 244,
         kGridLines | kBorder, "", -1, 0, 0, 200},
        {"refreshSharesButton", ControlKind::Button, "刷新", 217, 8, 88, 32},
        {"addShareButton", ControlKind::Button, "添加共享", 216, 50, 88, 32},
        {"deleteShareButton", ControlKind::Button, "删除", 217, 96, 88, 32},
    },
    {},
};

}  // namespace volmere
