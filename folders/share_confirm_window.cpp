#include "folders/share_confirm_window.h"

#include "resources/share_confirm_window_layout.h"

namespace volmere {
namespace {

class ShareConfirmWindow : public WindowEvents {
 public:
  ShareConfirmWindow(SystemServices& sys, const Text& proposedName)
      : sys_(sys), proposedName_(proposedName) {}

  ShareRequest request() const { return request_; }

  void OnCreated(WindowId self) override {
    self_ = self;
    sys_.SetText(self_, "shareNameEdit", proposedName_);
    sys_.SelectAllText(self_, "shareNameEdit");
  }

  void OnCommand(const Text& control) override {
    if (control == "confirmShareButton") {
      request_.shareName = sys_.GetText(self_, "shareNameEdit");
      request_.fullControl = !sys_.IsChecked(self_, "readOnlyRadio");
      sys_.CloseWindow(self_);
    } else if (control == "cancelShareButton") {
      request_.shareName.clear();
      sys_.CloseWindow(self_);
    }
  }

  bool OnCloseRequest() override {
    request_.shareName.clear();
    return true;
  }

 private:
  SystemServices& sys_;
  const Text proposedName_;
  WindowId self_ = 0;
  ShareRequest request_;
};

}  // namespace

ShareRequest AskShareRequest(SystemServices& sys, const Text& proposedName) {
  ShareConfirmWindow window(sys, proposedName);
  sys.LoadWindow(kShareConfirmWindowLayout, window, true);
  return window.request();
}

}  // namespace volmere
