#include "sharing/settings_window.h"

#include "app/help_page.h"
#include "app/preferences.h"
#include "resources/settings_window_layout.h"
#include "sharing/settings_actions.h"

namespace volmere {
namespace {

constexpr int kAboutPage = 2;

}  // namespace

SettingsWindow::SettingsWindow(AppContext& ctx)
    : ctx_(ctx), fields_(std::make_shared<Fields>(ctx)) {}

void SettingsWindow::OpenSettings(AppContext& ctx) {
  SettingsWindow window(ctx);
  ctx.sys.LoadWindow(kSettingsWindowLayout, window, true);
}

void SettingsWindow::OpenAbout(AppContext& ctx) {
  auto* window = new SettingsWindow(ctx);
  window->deleteWhenClosed_ = true;
  const WindowId id = ctx.sys.LoadWindow(kSettingsWindowLayout, *window, false);
  if (!id) {
    delete window;
    return;
  }
  ctx.sys.SelectTab(id, "settingsTabs", kAboutPage);
}

void SettingsWindow::OnCreated(WindowId self) {
  self_ = self;
  fields_->window = self;
  ctx_.sys.StartWorker(
      [fields = fields_](int) {
        LoadSettingsFields(fields->ctx, fields->window, &fields->loadedComputerName);
      },
      1);
}

void SettingsWindow::OnCommand(const Text& control) {
  SystemServices& sys = ctx_.sys;
  if (control == "applySharingButton") {
    ApplySharingMode(ctx_, self_);
    sys.CloseWindow(self_);
  } else if (control == "remoteDesktopOnRadio") {
    EnableRemoteDesktop(sys);
  } else if (control == "remoteDesktopOffRadio") {
    DisableRemoteDesktop(sys);
  } else if (control == "doubleClickCheck") {
    StoreDoubleClickOption();
  } else if (control == "settingsOkButton") {
    ApplyIdentityFields(ctx_, self_, fields_->loadedComputerName.Get());
    sys.CloseWindow(self_);
  } else if (control == "settingsCancelButton") {
    sys.CloseWindow(self_);
  } else if (control == "clearSavedDataButton") {
    ClearSavedData(ctx_);
    LoadSettingsFields(ctx_, self_, &fields_->loadedComputerName);
  } else if (control == "aboutLabel") {
    OpenHelpPage(ctx_);
  }
}

void SettingsWindow::OnClosed() {
  if (deleteWhenClosed_) delete this;
}

// The click has already toggled the box: its new state is the option, and it
// holds whichever button later closes the window.
void SettingsWindow::StoreDoubleClickOption() {
  const bool doubleClick = ctx_.sys.IsChecked(self_, "doubleClickCheck");
  StoreDoubleClickOpens(ctx_.sys, doubleClick);
  ctx_.session.doubleClickOpens = doubleClick;
}

}  // namespace volmere
