#include "lan/show_addresses.h"

#include "lan/computer_list.h"

namespace volmere {

void ShowAddresses(AppContext& ctx) {
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, "获取中。。。");
  const int count = ctx.sys.ListCount(ctx.mainWindow, kComputerList);
  for (int position = 0; position < count; ++position) {
    const ListEntry entry = ctx.sys.ListEntryAt(ctx.mainWindow, kComputerList, position);
    if (entry.id == 0) continue;
    Text address = ctx.net.ResolveAddress(entry.text);
    if (address.empty()) address = "获取失败";
    ctx.sys.ListSetText(ctx.mainWindow, kComputerList, entry.id, address);
  }
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, "获取列表完毕！");
}

}  // namespace volmere
