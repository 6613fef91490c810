#include "folders/local_shares_window.h"

#include "folders/share_folder_flow.h"
#include "resources/local_shares_window_layout.h"
#include "sharing/computer_identity.h"

namespace volmere {
namespace {

constexpr const char* kSharesList = "sharesList";

}  // namespace

Text ShareNameFromPath(const Text& path, const Text& computerName) {
  const int prefix = TextLength(computerName) + 3;
  if (TextLength(path) <= prefix) return "";
  return path.substr(static_cast<std::size_t>(prefix));
}

Text DeleteShareCommandLine(const Text& shareName) {
  const Text name = shareName.find(' ') == Text::npos ? shareName : "\"" + shareName + "\"";
  return "net share " + name + " /delete /y";
}

LocalSharesWindow::LocalSharesWindow(AppContext& ctx)
    : ctx_(ctx), listings_(std::make_shared<Listings>(ctx)) {}

void LocalSharesWindow::Open() { ctx_.sys.LoadWindow(kLocalSharesWindowLayout, *this, true); }

void LocalSharesWindow::OnCreated(WindowId self) {
  self_ = self;
  listings_->window = self;
  listings_->localComputerName = RegistryComputerName(ctx_.sys);
  StartListing();
}

void LocalSharesWindow::OnCommand(const Text& control) {
  if (control == "refreshSharesButton") {
    StartListing();
  } else if (control == "deleteShareButton") {
    DeleteSelectedShare();
  } else if (control == "addShareButton") {
    // However the flow ended, a share it made shows in the next listing.
    ShareFolderFlow(ctx_);
    StartListing();
  }
}

void LocalSharesWindow::StartListing() {
  const unsigned request = ++listings_->newestRequest;
  ctx_.sys.StartWorker(
      [listings = listings_, request](int) { ListLocalShares(*listings, request); }, 1);
}

// Listings run one after another; one that a newer request has overtaken
// while it waited leaves the list to that one, which is bound to follow.
void LocalSharesWindow::ListLocalShares(Listings& listings, unsigned request) {
  std::lock_guard<std::mutex> lock(listings.oneAtATime);
  SystemServices& sys = listings.ctx.sys;
  if (request != listings.newestRequest || !sys.IsWindowOpen(listings.window)) return;
  const std::vector<Text> paths = listings.ctx.net.ListShares(listings.localComputerName);
  if (!sys.IsWindowOpen(listings.window)) return;
  sys.ListRemoveAll(listings.window, kSharesList);
  for (const Text& path : paths) {
    sys.ListInsert(listings.window, kSharesList, 0,
                   ShareNameFromPath(path, listings.localComputerName), -1);
  }
}

void LocalSharesWindow::DeleteSelectedShare() {
  const ListEntry selected = ctx_.sys.ListSelected(self_, kSharesList);
  if (selected.text.empty()) return;
  int exitStatus = -1;
  const bool started =
      ctx_.sys.RunCommand(DeleteShareCommandLine(selected.text), true, true, &exitStatus);
  if (started && exitStatus == 0) {
    ctx_.sys.ListRemove(self_, kSharesList, selected.id);
  } else {
    ctx_.sys.ShowMessage("删除共享失败！请以管理员身份运行本软件后再试。", MsgWarning);
  }
}

}  // namespace volmere
