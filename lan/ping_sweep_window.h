// PingSweepWindow: finds the computers of one /24 address range by pinging
// all of its host addresses at once. A new window for every opening.
#pragma once

#include <memory>

#include "lan/ping_sweep.h"

namespace volmere {

class PingSweepWindow : public WindowEvents {
 public:
  explicit PingSweepWindow(AppContext& ctx);

  // Modal; returns when the window has closed. Sweep workers still running
  // then finish on their own without touching the closed window.
  void Open();

  void OnCreated(WindowId self) override;
  void OnCommand(const Text& control) override;
  void OnFocus(const Text& control) override;
  bool OnCloseRequest() override;
  void OnClosed() override;

 private:
  std::shared_ptr<PingSweepState> state_;
};

}  // namespace volmere
