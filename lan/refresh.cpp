#include "lan/refresh.h"

#include "lan/computer_list.h"
#include "lan/list_passes.h"

namespace volmere {

void RefreshComputerList(AppContext& ctx) {
  ctx.sys.StopWorker(ctx.session.otherWorkgroupsWorker.load());
  ctx.sys.StopWorker(ctx.session.refreshWorker.load());
  ctx.sys.SetEnabled(ctx.mainWindow, kRefreshButton, false);
  ctx.sys.SetText(ctx.mainWindow, kRefreshButton, "刷新中..");
  // A selected entry means the user is working with the list as it stands.
  if (!SelectedEntryText(ctx).empty()) {
    SetRefreshButtonReady(ctx);
    return;
  }
  if (ctx.sys.ListCount(ctx.mainWindow, kComputerList) >= 1) {
    ctx.sys.ListRemoveAll(ctx.mainWindow, kComputerList);
    ctx.sys.StartWorker([&ctx](int) { OwnWorkgroupPass(ctx); }, 1, &ctx.session.refreshWorker);
    return;
  }
  ReloadLastGoodList(ctx);
}

void StartRefreshComputerList(AppContext& ctx) {
  ctx.sys.StartWorker([&ctx](int) { RefreshComputerList(ctx); }, 1);
}

void ReloadLastGoodList(AppContext& ctx) {
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, "正在调用上一次正确列表！");
  ctx.sys.ListRemoveAll(ctx.mainWindow, kComputerList);
  for (const Text& line : ctx.sys.ReadTextLines(LastGoodListPath(ctx.sys))) {
    if (line.empty()) break;
    AddPendingEntry(ctx, line);
  }
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, "这是最后一次正确获取计算机的列表！");
  SetRefreshButtonReady(ctx);
}

}  // namespace volmere
