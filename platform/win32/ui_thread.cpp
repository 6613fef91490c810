// The one place where workers' control operations reach the user-interface
// thread: a message-only window owned by that thread and one message, sent
// (not posted), so the worker waits until its operation has been carried out
// and each operation is atomic with respect to all others. While the
// user-interface thread is busy elsewhere the send simply waits.
#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

constexpr const char* kMessageWindowClass = "VolmereUiThread";

void RunCall(const UiCall& call) {
  if (!call.gate) {
    (*call.operation)();
  } else if (call.runsMessageLoop) {
    if (!call.gate->stopped()) (*call.operation)();
  } else {
    call.gate->Pass(*call.operation);
  }
}

LRESULT CALLBACK MessageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* ui = reinterpret_cast<Win32System::UiState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == kRunOnUiMessage) {
    RunCall(*reinterpret_cast<const UiCall*>(lParam));
    return 0;
  }
  if (message == kFinishClosesMessage && ui) {
    ui->FinishCloses(-1);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateMessageWindow(Win32System::UiState& ui) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MessageWindowProcedure;
  windowClass.hInstance = ui.instance;
  windowClass.lpszClassName = kMessageWindowClass;
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, kMessageWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                ui.instance, nullptr);
  if (window) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&ui));
  return window;
}

void Win32System::UiState::Run(const std::function<void()>& operation, bool runsMessageLoop) {
  if (OnUiThread()) {
    operation();
    return;
  }
  UiCall call{&operation, WorkerRegistry::Current(), runsMessageLoop};
  SendMessageA(messageWindow, kRunOnUiMessage, 0, reinterpret_cast<LPARAM>(&call));
}

}  // namespace volmere
