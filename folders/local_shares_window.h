// The list of the shares this computer offers to the LAN, as the network
// neighbourhood sees them, with removal of one and the one-click share.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "app/app_context.h"

namespace volmere {

// The share's name: the path without its first length(computerName) + 3
// bytes (two backslashes, the name and one backslash); "" when the path is
// not longer than that. Only the length counts, so the network may spell
// the computer's name in another case.
Text ShareNameFromPath(const Text& path, const Text& computerName);

// "net share NAME /delete /y", the name in double quotes when it holds a blank.
Text DeleteShareCommandLine(const Text& shareName);

class LocalSharesWindow : public WindowEvents {
 public:
  explicit LocalSharesWindow(AppContext& ctx);

  // Modal; returns when the window has closed. A listing still running then
  // finishes on its own without touching the closed window.
  void Open();

  void OnCreated(WindowId self) override;
  void OnCommand(const Text& control) override;

 private:
  // What the listing workers share with the window, which may close and be
  // destroyed while one of them still runs.
  struct Listings {
    explicit Listings(AppContext& context) : ctx(context) {}
    AppContext& ctx;
    WindowId window = 0;
    Text localComputerName;
    // Held for a whole listing, so two listings never mix their rows.
    std::mutex oneAtATime;
    std::atomic<unsigned> newestRequest{0};
  };

  static void ListLocalShares(Listings& listings, unsigned request);
  void StartListing();
  void DeleteSelectedShare();

  AppContext& ctx_;
  WindowId self_ = 0;
  std::shared_ptr<Listings> listings_;
};

}  // namespace volmere
