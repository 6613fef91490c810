#include "app/main_window.h"

#include "app/help_page.h"
#include "app/preferences.h"
#include "app/shell_commands.h"
#include "app/startup.h"
#include "lan/list_passes.h"
#include "resources/main_window_layout.h"

namespace volmere {
namespace {

const char* ListEventName(ListEvent event) {
  switch (event) {
    case ListEvent::Click:
      return ".Click";
    case ListEvent::DoubleClick:
      return ".DoubleClick";
    case ListEvent::RightClick:
      return ".RightClick";
  }
  return "";
}

void StartStartupWorker(AppContext& ctx) {
  ctx.sys.StartWorker([&ctx](int) { StartupWorker(ctx, StartOwnWorkgroupPass); }, 1);
}

}  // namespace

MainWindow::MainWindow(AppContext& ctx) : ctx_(ctx) {
  RegisterShellCommands(commands_);
  RegisterLanCommands(commands_);
  RegisterSharingCommands(commands_);
  RegisterFolderCommands(commands_);
  RegisterRemoteCommands(commands_);
  RegisterPingSweepCommands(commands_);
  RegisterSettingsCommands(commands_);
  RegisterLocalSharesCommands(commands_);
}

void MainWindow::Run() { ctx_.sys.LoadWindow(kMainWindowLayout, *this, true); }

void MainWindow::OnCreated(WindowId self) {
  ctx_.mainWindow = self;
  ctx_.startStartupWorker = [&ctx = ctx_] { StartStartupWorker(ctx); };
  if (!FirstRunAnswered(ctx_.sys) &&
      ctx_.sys.ShowMessage("你是第一次使用本软件，是否立即查看帮助？", MsgYesNoQuestion) ==
          MsgYes) {
    OpenHelpPage(ctx_);
    MarkFirstRunAnswered(ctx_.sys);
  }
  StartStartupWorker(ctx_);
}

void MainWindow::OnCommand(const Text& control) {
  auto it = commands_.find(control);
  if (it != commands_.end()) it->second(ctx_);
}

void MainWindow::OnListEvent(const Text& control, ListEvent event) {
  OnCommand(control + ListEventName(event));
}

}  // namespace volmere
