// MainWindow's logic: its creation handler and the dispatch of every button,
// menu item and list event to the command bound to it.
#pragma once

#include "app/app_context.h"
#include "app/command_table.h"

namespace volmere {

class MainWindow : public WindowEvents {
 public:
  explicit MainWindow(AppContext& ctx);

  // Opens the window; returns when it has closed, which ends the program.
  void Run();

  void OnCreated(WindowId self) override;
  void OnCommand(const Text& control) override;
  void OnListEvent(const Text& control, ListEvent event) override;

  const CommandTable& commands() const { return commands_; }

 private:
  AppContext& ctx_;
  CommandTable commands_;
};

}  // namespace volmere
