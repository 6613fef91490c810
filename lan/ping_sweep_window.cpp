#include "lan/ping_sweep_window.h"

#include "resources/ping_sweep_window_layout.h"

namespace volmere {

PingSweepWindow::PingSweepWindow(AppContext& ctx) : state_(std::make_shared<PingSweepState>(ctx)) {}

void PingSweepWindow::Open() { state_->ctx.sys.LoadWindow(kPingSweepWindowLayout, *this, true); }

void PingSweepWindow::OnCreated(WindowId self) {
  state_->window = self;
  state_->ctx.sys.StartWorker([state = state_](int) { FillLocalAddresses(state); }, 0);
}

void PingSweepWindow::OnCommand(const Text& control) {
  SystemServices& sys = state_->ctx.sys;
  if (control == "localAddressCombo") {
    ShowAddressOctets(sys, state_->window, sys.ComboSelectedText(state_->window, control));
  } else if (control == "sweepButton") {
    StartSweep(state_);
  }
}

void PingSweepWindow::OnFocus(const Text& control) {
  if (control == "octet1Edit" || control == "octet2Edit" || control == "octet3Edit" ||
      control == "timeoutEdit") {
    state_->ctx.sys.SelectAllText(state_->window, control);
  }
}

bool PingSweepWindow::OnCloseRequest() {
  return CanClosePingSweep(state_->ctx.sys, state_->window);
}

void PingSweepWindow::OnClosed() { state_->closed = true; }

}  // namespace volmere
