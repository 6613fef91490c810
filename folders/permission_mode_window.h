// The window in which the user gives Everyone one of the four access modes
// to a folder or a disk.
#pragma once

#include "app/app_context.h"
#include "folders/folder_permissions.h"

namespace volmere {

class PermissionModeWindow : public WindowEvents {
 public:
  explicit PermissionModeWindow(AppContext& ctx) : ctx_(ctx) {}

  // Asks for the folder first; returns when the window has closed.
  void Open();

  void OnCreated(WindowId self) override;
  void OnCommand(const Text& control) override;

 private:
  void ApplyCheckedMode();

  AppContext& ctx_;
  WindowId self_ = 0;
  Text permissionTarget_;
};

}  // namespace volmere
