// The dialog with the computer-wide settings: the LAN sharing mode, remote
// desktop, the computer's names, the double-click option, the clearing of
// saved data, and a page about the program.
#pragma once

#include <memory>

#include "app/app_context.h"

namespace volmere {

class SettingsWindow : public WindowEvents {
 public:
  explicit SettingsWindow(AppContext& ctx);

  // Modal, on the first page; returns when the window has closed.
  static void OpenSettings(AppContext& ctx);
  // Not modal, on the page "关于"; returns once the window shows. The window
  // object lives until the window has closed.
  static void OpenAbout(AppContext& ctx);

  void OnCreated(WindowId self) override;
  void OnCommand(const Text& control) override;
  void OnClosed() override;

 private:
  // What the loader worker shares with the window: it may still run after a
  // modal window has closed and its object has gone.
  struct Fields {
    explicit Fields(AppContext& context) : ctx(context) {}
    AppContext& ctx;
    WindowId window = 0;
    SharedText loadedComputerName;
  };

  void StoreDoubleClickOption();

  AppContext& ctx_;
  WindowId self_ = 0;
  std::shared_ptr<Fields> fields_;
  bool deleteWhenClosed_ = false;
};

}  // namespace volmere
