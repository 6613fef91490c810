#include "lan/computer_list.h"

#include "app/preferences.h"

namespace volmere {

Text EntryLabel(AppContext& ctx, const Text& name) {
  if (!ShowAddressesPref(ctx.sys)) return name;
  Text address = ctx.net.ResolveAddress(name);
  return address.empty() ? name : address;
}

bool AddPendingEntry(AppContext& ctx, const Text& text) {
  const ListEntry added = ctx.sys.ListAdd(ctx.mainWindow, kComputerList, text, PendingImage);
  if (added.id == 0) return false;
  StartPingEntry(ctx, added.position + 1);
  return true;
}

void PingEntry(AppContext& ctx, int position) {
  const ListEntry entry = ctx.sys.ListEntryAt(ctx.mainWindow, kComputerList, position - 1);
  if (entry.id == 0) return;
  if (ctx.net.PingHost(entry.text) >= 0)
    ctx.sys.ListSetImage(ctx.mainWindow, kComputerList, entry.id, OnlineImage);
}

void StartPingEntry(AppContext& ctx, int position) {
  ctx.sys.StartWorker([&ctx](int p) { PingEntry(ctx, p); }, position);
}

void RepingAllEntries(AppContext& ctx) {
  const int count = ctx.sys.ListCount(ctx.mainWindow, kComputerList);
  for (int position = 1; position <= count; ++position) {
    const ListEntry entry = ctx.sys.ListEntryAt(ctx.mainWindow, kComputerList, position - 1);
    ctx.sys.ListSetImage(ctx.mainWindow, kComputerList, entry.id, PendingImage);
    StartPingEntry(ctx, position);
  }
}

void SetRefreshButtonReady(AppContext& ctx) {
  ctx.sys.SetEnabled(ctx.mainWindow, kRefreshButton, true);
  ctx.sys.SetText(ctx.mainWindow, kRefreshButton, "刷新列表");
}

Text LastGoodListPath(SystemServices& sys) { return sys.TempDir() + "不通时.txt"; }

}  // namespace volmere
