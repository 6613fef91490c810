// Win32System's window side: its set-up on the user-interface thread (the
// thread that creates Win32System), the windows' bookkeeping, handlers and
// queued closes.
#include "platform/win32/ui_state.h"

#include <algorithm>

namespace volmere {

HWND CreateMessageWindow(Win32System::UiState& ui);

namespace {

HWND CreateHiddenOwner(HINSTANCE instance) {
  return CreateWindowExA(0, kProgramWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         instance, nullptr);
}

}  // namespace

Win32System::Win32System() : ui_(std::make_unique<UiState>()) {}

Win32System::~Win32System() = default;

Win32System::UiState::UiState() {
  uiThread = GetCurrentThreadId();
  instance = GetModuleHandleA(nullptr);
  // With the manifest's common controls 6 this gives every standard control
  // of the program its themed look.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                   ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ProgramWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kProgramWindowClass;
  RegisterClassA(&windowClass);
  messageWindow = CreateMessageWindow(*this);
  hiddenOwner = CreateHiddenOwner(instance);
  controlFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  computerImages = CreateComputerImageList();
}

Win32System::UiState::~UiState() {
  // No handler runs any more: the logic objects may already be gone.
  shuttingDown = true;
  std::vector<HWND> open;
  for (auto& entry : windows) open.push_back(entry.second->hwnd);
  for (HWND window : open) DestroyWindow(window);
  windows.clear();
  if (hiddenOwner) DestroyWindow(hiddenOwner);
  if (messageWindow) DestroyWindow(messageWindow);
  if (computerImages) ImageList_Destroy(computerImages);
}

ControlRecord* WindowRecord::Control(const Text& name) {
  auto it = byName.find(name);
  return it == byName.end() ? nullptr : &controls[static_cast<std::size_t>(it->second)];
}

ControlRecord* WindowRecord::ControlOf(HWND control) {
  const int index = GetDlgCtrlID(control) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(controls.size())) return nullptr;
  ControlRecord& record = controls[static_cast<std::size_t>(index)];
  return record.hwnd == control ? &record : nullptr;
}

WindowRecord* Win32System::UiState::Find(WindowId id) {
  auto it = windows.find(id);
  return it == windows.end() || it->second->closing ? nullptr : it->second.get();
}

WindowRecord* Win32System::UiState::RecordOf(HWND window) {
  return reinterpret_cast<WindowRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

ControlRecord* Win32System::UiState::Control(WindowId id, const Text& name) {
  WindowRecord* record = Find(id);
  return record ? record->Control(name) : nullptr;
}

void Win32System::UiState::RunHandler(const std::function<void()>& handler) {
  if (shuttingDown) return;
  ++handlerDepth;
  handler();
  --handlerDepth;
  FinishCloses(handlerDepth);
}

void Win32System::UiState::Dispatch(WindowId id,
                                    const std::function<void(WindowEvents&)>& handler) {
  WindowRecord* record = Find(id);
  if (!record) return;
  WindowEvents* events = record->events;
  RunHandler([&] { handler(*events); });
}

void Win32System::UiState::QueueClose(WindowId id, bool fromHandler) {
  if (!Find(id)) return;
  const int depth = fromHandler ? handlerDepth : 0;
  pendingCloses.push_back({id, depth});
  if (depth == 0) PostMessageA(messageWindow, kFinishClosesMessage, 0, 0);
}

// depthAbove -1 closes what was asked for outside any handler.
void Win32System::UiState::FinishCloses(int depthAbove) {
  for (;;) {
    auto due = std::find_if(pendingCloses.begin(), pendingCloses.end(), [&](const PendingClose& p) {
      return depthAbove < 0 ? p.depth == 0 : p.depth > depthAbove;
    });
    if (due == pendingCloses.end()) return;
    const WindowId id = due->id;
    pendingCloses.erase(due);
    Close(id);
  }
}

void Win32System::UiState::Close(WindowId id) {
  WindowRecord* record = Find(id);
  if (!record) return;
  // The windows a modal one disabled come back first, so that activation
  // returns to them rather than to some other program.
  for (HWND other : record->disabledWhileModal)
    if (IsWindow(other)) EnableWindow(other, TRUE);
  record->disabledWhileModal.clear();
  record->closing = true;
  DestroyWindow(record->hwnd);
}

void Win32System::UiState::RequestClose(WindowId id) {
  bool allowed = false;
  Dispatch(id, [&](WindowEvents& events) { allowed = events.OnCloseRequest(); });
  if (allowed) Close(id);
}

void Win32System::UiState::Forget(WindowRecord* record) {
  auto it = windows.find(record->id);
  if (it == windows.end()) return;
  std::unique_ptr<WindowRecord> owned = std::move(it->second);
  windows.erase(it);
  for (HWND other : owned->disabledWhileModal)
    if (IsWindow(other)) EnableWindow(other, TRUE);
  for (ControlRecord& control : owned->controls) {
    if (control.nameAtom) {
      RemovePropA(control.hwnd, "VolmereControlName");
      GlobalDeleteAtom(control.nameAtom);
    }
    if (control.ownFont) DeleteObject(control.ownFont);
    if (control.pageBrush) DeleteObject(control.pageBrush);
  }
  if (owned->nameAtom) {
    RemovePropA(owned->hwnd, "VolmereWindowName");
    GlobalDeleteAtom(owned->nameAtom);
  }
  WindowEvents* events = owned->events;
  if (!shuttingDown) RunHandler([events] { events->OnClosed(); });
}

std::vector<HWND> Win32System::UiState::EnabledTopLevelWindows() {
  std::vector<HWND> found;
  for (auto& entry : windows)
    if (!entry.second->closing && IsWindowEnabled(entry.second->hwnd))
      found.push_back(entry.second->hwnd);
  return found;
}

HWND Win32System::UiState::ActiveProgramWindow() {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(uiThread, &gui) || !gui.hwndActive) return nullptr;
  HWND root = GetAncestor(gui.hwndActive, GA_ROOT);
  WindowRecord* record = root ? RecordOf(root) : nullptr;
  return record ? root : nullptr;
}

}  // namespace volmere
