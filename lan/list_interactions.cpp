#include "lan/list_interactions.h"

#include "app/preferences.h"
#include "lan/computer_list.h"
#include "lan/refresh.h"
#include "lan/show_addresses.h"

namespace volmere {
namespace {

constexpr const char* kContextMenu = "contextMenu";
constexpr const char* kViewByIpItem = "viewByIpItem";
constexpr const char* kViewByNameItem = "viewByNameItem";

bool IsRouterAddress(const Text& text) { return text == "192.168.1.1" || text == "192.168.0.1"; }

// The menu offers the switch to the other view.
void OfferView(AppContext& ctx, bool addressesShown) {
  ctx.sys.SetMenuItemVisible(ctx.mainWindow, kViewByIpItem, !addressesShown);
  ctx.sys.SetMenuItemVisible(ctx.mainWindow, kViewByNameItem, addressesShown);
}

}  // namespace

Text OpenCommand(SystemServices& sys, const Text& entryText) {
  const Text drive = LeftText(sys.WindowsDir(), 1);
  if (FindText(entryText, ".") == 4)
    return drive + ":\\Program Files\\Internet Explorer\\iexplore.exe \\\\" + entryText;
  return drive + ":\\Windows\\explorer.exe \\\\" + entryText;
}

void OpenEntry(AppContext& ctx, int position, const Text& text) {
  if (text.empty()) return;
  if (IsRouterAddress(text)) {
    ctx.sys.OpenUrl("http://" + text);
    ctx.sys.ListSelect(ctx.mainWindow, kComputerList, -1);
  }
  if (ctx.sys.ListEntryAt(ctx.mainWindow, kComputerList, position).image != OnlineImage) return;
  ctx.sys.RunCommand(OpenCommand(ctx.sys, text), false, false);
  if (ctx.sys.IsChecked(ctx.mainWindow, "autoCloseCheck")) ctx.sys.CloseWindow(ctx.mainWindow);
}

void OnListClick(AppContext& ctx) {
  const ListEntry selected = ctx.sys.ListSelected(ctx.mainWindow, kComputerList);
  if (!selected.text.empty()) {
    if (!ctx.session.doubleClickOpens) OpenEntry(ctx, selected.position, selected.text);
    return;
  }
  // Empty space: while a listing still runs the button is disabled, and the
  // click only re-pings what is there.
  if (ctx.sys.IsEnabled(ctx.mainWindow, kRefreshButton))
    StartRefreshComputerList(ctx);
  else
    RepingAllEntries(ctx);
}

void OnListDoubleClick(AppContext& ctx) {
  if (!ctx.session.doubleClickOpens) return;
  const ListEntry selected = ctx.sys.ListSelected(ctx.mainWindow, kComputerList);
  OpenEntry(ctx, selected.position, selected.text);
}

void OnListRightClick(AppContext& ctx) {
  OfferView(ctx, ShowAddressesPref(ctx.sys));
  ctx.sys.PopupMenu(ctx.mainWindow, kContextMenu);
}

void ShowAddressesCommand(AppContext& ctx) {
  OfferView(ctx, true);
  StoreShowAddresses(ctx.sys, true);
  ctx.sys.StartWorker([&ctx](int) { ShowAddresses(ctx); }, 1);
}

void ShowNames(AppContext& ctx) {
  StoreShowAddresses(ctx.sys, false);
  OfferView(ctx, false);
  // Addresses do not turn back into names: the list is built again.
  StartRefreshComputerList(ctx);
}

Text PingAddress(AppContext& ctx, const Text& entryText) {
  // The address goes into a batch file that the command interpreter runs, so
  // only a true dotted address is taken as it stands; any other text, which
  // may come from the network or the saved list, is resolved like a name.
  if (IsDottedIPv4(entryText)) return entryText;
  if (entryText.empty()) {
    const std::vector<Text> own = ctx.net.ListLocalAddresses();
    return own.empty() ? Text() : own.front();
  }
  return ctx.net.ResolveAddress(entryText);
}

void PingSelectedComputer(AppContext& ctx) {
  const Text address = PingAddress(ctx, SelectedEntryText(ctx));
  if (address.empty()) {
    ctx.sys.ShowMessage("获取不到此计算机的IP地址", MsgInformation);
    return;
  }
  const Text batch = ctx.sys.TempDir() + "\\ping.bat";
  ctx.sys.WriteTextFile(batch, ReplaceText("ping IP地址\r\npause", "IP地址", address, true));
  ctx.sys.RunCommand(batch, false, false);
}

}  // namespace volmere
