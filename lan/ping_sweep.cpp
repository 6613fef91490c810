#include "lan/ping_sweep.h"

#include <algorithm>

namespace volmere {
namespace {

constexpr const char* kSweepList = "sweepList";
constexpr const char* kComputerList = "computerList";
constexpr const char* kStatusLabel = "statusLabel";
constexpr int kHostCount = 255;

}  // namespace

int SweepTimeout(const Text& timeoutText) { return std::max(0, ToInteger(timeoutText)); }

void FillLocalAddresses(const std::shared_ptr<PingSweepState>& state) {
  SystemServices& sys = state->ctx.sys;
  const WindowId window = state->window;
  const std::vector<Text> addresses = state->ctx.net.ListLocalAddresses();
  if (state->closed) return;
  for (const Text& address : addresses) sys.ComboAdd(window, "localAddressCombo", address);
  if (addresses.empty()) return;
  sys.ComboSelect(window, "localAddressCombo", 0);
  ShowAddressOctets(sys, window, addresses.front());
  sys.ListAdd(window, kSweepList, "多线程ping获取主机，响应时间将在栏显示。", -1);
  sys.ListAdd(window, kSweepList, "如果有些计算机获取不到，请增大超时时间", -1);
  sys.SelectAllText(window, "octet1Edit");
}

void ShowAddressOctets(SystemServices& sys, WindowId window, const Text& address) {
  const std::vector<Text> parts = SplitText(address, ".");
  if (parts.size() < 3) return;
  sys.SetText(window, "octet1Edit", parts[0]);
  sys.SetText(window, "octet2Edit", parts[1]);
  sys.SetText(window, "octet3Edit", parts[2]);
}

void StartSweep(const std::shared_ptr<PingSweepState>& state) {
  AppContext& ctx = state->ctx;
  ctx.sys.SetText(ctx.mainWindow, kStatusLabel, "已停止获取。。。");
  ctx.sys.StopWorker(ctx.session.otherWorkgroupsWorker.load());
  ctx.sys.StartWorker([state](int) { RunSweep(state); }, 0);
}

void RunSweep(const std::shared_ptr<PingSweepState>& state) {
  SystemServices& sys = state->ctx.sys;
  const WindowId window = state->window;
  sys.ListRemoveAll(state->ctx.mainWindow, kComputerList);
  sys.ListRemoveAll(window, kSweepList);
  auto parameters = std::make_shared<SweepParameters>();
  parameters->prefix = sys.GetText(window, "octet1Edit") + "." + sys.GetText(window, "octet2Edit") +
                       "." + sys.GetText(window, "octet3Edit");
  parameters->timeoutMs = SweepTimeout(sys.GetText(window, "timeoutEdit"));
  for (int host = 1; host <= kHostCount; ++host) {
    sys.StartWorker(
        [state, parameters](int hostNumber) { PingSweepHost(*state, *parameters, hostNumber); },
        host);
  }
}

void PingSweepHost(const PingSweepState& state, const SweepParameters& parameters, int hostNumber) {
  AppContext& ctx = state.ctx;
  const Text address = parameters.prefix + "." + ToDecimalText(hostNumber);
  const int time = ctx.net.PingHost(address, parameters.timeoutMs);
  Text row;
  if (time >= 0) {
    ctx.sys.ListAdd(ctx.mainWindow, kComputerList, address, OnlineImage);
    ctx.sys.SetText(ctx.mainWindow, kStatusLabel,
                    "IP:" + address + "   时间：" + ToDecimalText(time) + "ms");
    row = "IP：" + address + "，响应时间：" + ToDecimalText(time) + "毫秒";
  } else {
    row = "IP：" + address + "，访问超时！！";
  }
  // The entry above stays in MainWindow's list; the row has nowhere to go
  // once the window has closed. Should it close between this check and the
  // append, the services drop an operation on a closed window.
  if (!state.closed) ctx.sys.ListAdd(state.window, kSweepList, row, -1);
}

bool CanClosePingSweep(SystemServices& sys, WindowId window) {
  const int rows = sys.ListCount(window, kSweepList);
  if (rows == 2 || rows == kHostCount) return true;
  sys.ShowMessage("请等待线程结束！", MsgInformation);
  return false;
}

}  // namespace volmere
