#include "app/main_window.h"

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

}  // namespace

MainWindow::MainWindow(AppContext& ctx) : ctx_(ctx) {
  RegisterLanCommands(commands_);
  RegisterSharingCommands(commands_);
  RegisterFolderCommands(commands_);
  RegisterRemoteCommands(commands_);
  RegisterPingSweepCommands(commands_);
  RegisterSettingsCommands(commands_);
  RegisterLocalSharesCommands(commands_);
}

void MainWindow::Run() { ctx_.sys.LoadWindow(kMainWindowLayout, *this, true); }

void MainWindow::OnCreated(WindowId self) { ctx_.mainWindow = self; }

void MainWindow::OnCommand(const Text& control) {
  auto it = commands_.find(control);
  if (it != commands_.end()) it->second(ctx_);
}

void MainWindow::OnListEvent(const Text& control, ListEvent event) {
  OnCommand(control + ListEventName(event));
}

}  // namespace volmere
