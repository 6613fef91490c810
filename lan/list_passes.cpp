#include "lan/list_passes.h"

#include "lan/computer_list.h"

namespace volmere {
namespace {

void SetStatus(AppContext& ctx, const Text& text) {
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, text);
}

void SaveLastGoodList(AppContext& ctx) {
  const int count = ctx.sys.ListCount(ctx.mainWindow, kComputerList);
  if (count < 1) return;
  Text content;
  for (int position = 0; position < count; ++position)
    content += ctx.sys.ListEntryAt(ctx.mainWindow, kComputerList, position).text + "\r\n";
  ctx.sys.WriteTextFile(LastGoodListPath(ctx.sys), content);
}

}  // namespace

void StartOwnWorkgroupPass(AppContext& ctx) {
  ctx.sys.StartWorker([&ctx](int) { OwnWorkgroupPass(ctx); }, 1);
}

void OwnWorkgroupPass(AppContext& ctx) {
  // Start-up may run again and replace both texts meanwhile; one reading of
  // each keeps the pass to a single computer name and workgroup.
  const Text computerName = ctx.session.computerName.Get();
  const Text workgroup = ctx.session.workgroup.Get();

  // This computer answers by definition: it is shown in colour, unpinged.
  ctx.sys.ListAdd(ctx.mainWindow, kComputerList, EntryLabel(ctx, computerName), OnlineImage);
  const std::vector<Text> names = ctx.net.ListComputers(workgroup);
  if (ctx.sys.StopRequested()) return;
  SetStatus(ctx, "获取本机工作组（" + workgroup + "）计算机。。。");
  for (const Text& name : names) {
    if (name == computerName) continue;
    if (!AddPendingEntry(ctx, EntryLabel(ctx, name))) return;
  }
  SetStatus(ctx, "本机工作组计算机获取完毕！");
  ctx.sys.StartWorker([&ctx, workgroup](int) { OtherWorkgroupsPass(ctx, workgroup); }, 1,
                      &ctx.session.otherWorkgroupsWorker);
}

void OtherWorkgroupsPass(AppContext& ctx, const Text& ownWorkgroup) {
  SetStatus(ctx, "正在获取本地工作组，请稍后。。。");
  const std::vector<Text> groups = ctx.net.ListWorkgroups();
  if (groups.empty()) SetStatus(ctx, "没有获取到列表,你可以ping获取列表!");
  for (const Text& group : groups) {
    if (ctx.sys.StopRequested()) return;
    if (group == ownWorkgroup) continue;
    SetStatus(ctx, "获取工作组（" + group + "）内计算机。。。");
    for (const Text& name : ctx.net.ListComputers(group)) {
      if (!AddPendingEntry(ctx, EntryLabel(ctx, name))) return;
    }
  }
  if (ctx.sys.StopRequested()) return;
  SaveLastGoodList(ctx);
  SetStatus(ctx, "获取完毕!点击可以打开.");
  SetRefreshButtonReady(ctx);
}

}  // namespace volmere
