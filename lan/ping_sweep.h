// The ping sweep of one /24 address range: 255 host workers at once, each
// adding its result to the sweep window's list and, when the host answers,
// the host's address to MainWindow's computer list.
#pragma once

#include <atomic>
#include <memory>

#include "app/app_context.h"

namespace volmere {

// What the sweep workers share with their window. Workers may outlive the
// window object, so they hold this rather than the window.
struct PingSweepState {
  explicit PingSweepState(AppContext& context) : ctx(context) {}
  AppContext& ctx;
  WindowId window = 0;
  std::atomic<bool> closed{false};
};

// Read once when a sweep starts and handed to every worker of that sweep, so
// a later sweep or an edited box never changes what an earlier one pings.
struct SweepParameters {
  Text prefix;  // the three octet boxes joined by "." with no check of form
  int timeoutMs = 0;
};

// A negative time-out counts as 0: a ping takes its time-out unsigned, and
// its workers would otherwise wait for weeks.
int SweepTimeout(const Text& timeoutText);

void FillLocalAddresses(const std::shared_ptr<PingSweepState>& state);
void ShowAddressOctets(SystemServices& sys, WindowId window, const Text& address);
void StartSweep(const std::shared_ptr<PingSweepState>& state);
void RunSweep(const std::shared_ptr<PingSweepState>& state);
void PingSweepHost(const PingSweepState& state, const SweepParameters& parameters, int hostNumber);

// Two rows (the hints of a fresh window) or 255 (a complete sweep); with any
// other count a sweep is still running and the user is told to wait.
bool CanClosePingSweep(SystemServices& sys, WindowId window);

}  // namespace volmere
