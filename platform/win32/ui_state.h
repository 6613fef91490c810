// The window side of Win32System: every opened window with its controls, the
// hidden window that carries workers' control operations to the
// user-interface thread, and the bookkeeping of handlers and queued closes.
// Everything here is touched on the user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/win32/win32_headers.h"
#include "platform/win32/win32_system.h"
// After windows.h, whose types it uses.
#include <commctrl.h>

namespace volmere {

// Control IDs are the control's index in its layout table plus this, so a
// driver can find a control by its place in the table.
constexpr int kFirstControlId = 1000;

// Messages of the program's own windows.
enum : UINT {
  kRunOnUiMessage = WM_APP + 1,       // hidden window: lParam is a UiCall
  kFinishClosesMessage = WM_APP + 2,  // hidden window: closes queued outside handlers
  kMenuCommandMessage = WM_APP + 3,   // top-level window: wParam is the chosen item's index
};

struct ControlRecord {
  const ControlLayout* layout = nullptr;
  HWND hwnd = nullptr;
  int tab = -1;  // index of the tab control whose page holds the control; -1 for none
  int page = 0;
  bool hidden = false;  // hidden itself, or in a hidden container
  int radioGroup = -1;  // index of the group's first radio button
  HFONT ownFont = nullptr;
  HBRUSH pageBrush = nullptr;  // tab controls: the colour of their pages
  ATOM nameAtom = 0;
};

struct WindowRecord {
  Win32System::UiState* ui = nullptr;
  WindowId id = 0;
  const WindowLayout* layout = nullptr;
  WindowEvents* events = nullptr;
  HWND hwnd = nullptr;
  bool modal = false;
  bool closing = false;
  ATOM nameAtom = 0;
  std::vector<ControlRecord> controls;
  std::map<Text, int> byName;
  std::map<Text, bool> menuItemVisible;
  std::vector<HWND> disabledWhileModal;

  ControlRecord* Control(const Text& name);
  ControlRecord* ControlOf(HWND control);
};

struct Win32System::UiState {
  UiState();
  ~UiState();

  bool OnUiThread() const { return GetCurrentThreadId() == uiThread; }

  // Runs a control operation on the user-interface thread: directly there,
  // and from any other thread through the hidden window while the caller
  // waits, passing the calling worker's gate so that a stopped worker
  // changes nothing. An operation that runs a message loop of its own (a
  // menu, a modal window, a dialog) must not hold the gate, whose stop would
  // then wait for the loop: it only checks the gate first.
  void Run(const std::function<void()>& operation, bool runsMessageLoop = false);

  WindowRecord* Find(WindowId id);
  static WindowRecord* RecordOf(HWND window);
  ControlRecord* Control(WindowId id, const Text& name);

  // Opens a window from its layout; for a modal one, returns once it has
  // closed.
  WindowId Open(const WindowLayout& layout, WindowEvents& events, bool modal);
  // Runs one handler of the window, then the closes asked for inside it.
  void Dispatch(WindowId id, const std::function<void(WindowEvents&)>& handler);
  void RunHandler(const std::function<void()>& handler);
  // CloseWindow: after the running handler returns, or at once when none
  // runs.
  void QueueClose(WindowId id, bool fromHandler);
  void FinishCloses(int depthAbove);
  void Close(WindowId id);
  // The close box, the system menu and Esc: the window's rule decides.
  void RequestClose(WindowId id);
  void Forget(WindowRecord* record);  // the window is being destroyed
  void ShowPage(WindowRecord& record, int tab, int page);
  void MessageLoopUntilClosed(WindowId id);
  bool PreTranslate(MSG& message);

  // The program's top-level windows that are enabled now.
  std::vector<HWND> EnabledTopLevelWindows();
  HWND ActiveProgramWindow();

  DWORD uiThread = 0;
  HINSTANCE instance = nullptr;
  HWND messageWindow = nullptr;
  HWND hiddenOwner = nullptr;  // owner of windows without a task-bar button
  HFONT controlFont = nullptr;
  HIMAGELIST computerImages = nullptr;
  std::map<WindowId, std::unique_ptr<WindowRecord>> windows;
  WindowId nextWindow = 1;
  // Entry identities live in the list items' lParam, which is 32 bits wide
  // here; four thousand million insertions in one run are out of reach.
  std::uint32_t nextEntry = 1;
  int handlerDepth = 0;
  struct PendingClose {
    WindowId id;
    int depth;  // the handler depth that asked; 0 outside any handler
  };
  std::vector<PendingClose> pendingCloses;
  bool shuttingDown = false;
};

// What a worker hands to the user-interface thread.
struct UiCall {
  const std::function<void()>* operation;
  std::shared_ptr<WorkerGate> gate;
  bool runsMessageLoop;
};

// window_builder.cpp
LRESULT CALLBACK ProgramWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern const char* const kProgramWindowClass;
HWND CreateProgramWindow(Win32System::UiState& ui, WindowRecord& record, HWND owner);
// computer_images.cpp
HIMAGELIST CreateComputerImageList();

}  // namespace volmere
