// The one layer through which the logic touches the operating system.
//
// Nothing here throws or shows anything on failure: each operation reports
// failure only through its result ("" / 0 / false / -1) and the logic decides
// what the user sees. Every operation may be called from any thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/window_layout.h"

namespace volmere {

enum class RegRoot { CurrentUser, LocalMachine };

constexpr int MsgYesNoQuestion = 36;
constexpr int MsgWarning = 48;
constexpr int MsgInformation = 64;

constexpr int MsgOk = 0;
constexpr int MsgCancel = 1;
constexpr int MsgYes = 5;
constexpr int MsgNo = 6;

enum class AskMode { AskPlain = 1, AskMasked = 4 };
constexpr AskMode AskPlain = AskMode::AskPlain;
constexpr AskMode AskMasked = AskMode::AskMasked;

extern const char* const kDefaultMessageTitle;  // "信息："

// Identifies a worker thread; 0 is "none". Holders never close it.
using WorkerHandle = std::uint32_t;
using WorkerHandleVar = std::atomic<WorkerHandle>;
using WorkerRoutine = std::function<void(int)>;

// Identifies one opened window from its creation until it closes; an
// operation on a window that has closed does nothing and reads as empty.
using WindowId = std::uint32_t;

// Identity of a list entry, from its addition until its removal. Relabelling
// keeps it; a cleared and refilled list has new identities.
using EntryId = std::uint64_t;

constexpr int OnlineImage = 0;
constexpr int PendingImage = 1;

struct ListEntry {
  int position = -1;  // 0-based; -1 when there is no such entry
  EntryId id = 0;     // 0 when there is no such entry
  Text text;
  int image = -1;
};

enum class ListEvent { Click, DoubleClick, RightClick };

// What a window's logic answers. Every handler runs on the user-interface
// thread.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnCreated(WindowId self) { (void)self; }
  // A button, check box, radio button, clickable label or menu item was
  // used, or a drop-down list's selection changed.
  virtual void OnCommand(const Text& control) { (void)control; }
  virtual void OnListEvent(const Text& control, ListEvent event) {
    (void)control;
    (void)event;
  }
  virtual void OnFocus(const Text& control) { (void)control; }
  // The user asks to close (close box, system menu, Esc). False keeps the
  // window open. CloseWindow does not ask.
  virtual bool OnCloseRequest() { return true; }
  virtual void OnClosed() {}
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // Registry. A path names key and value, split at its last backslash.
  virtual Text RegReadText(RegRoot root, const Text& path) = 0;
  virtual std::uint32_t RegReadNumber(RegRoot root, const Text& path) = 0;
  virtual bool RegWriteText(RegRoot root, const Text& path, const Text& text) = 0;
  virtual bool RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n) = 0;
  virtual bool RegValueExists(RegRoot root, const Text& path) = 0;

  // Files and directories.
  virtual bool WriteTextFile(const Text& path, const Text& text) = 0;
  virtual Text ReadTextFile(const Text& path) = 0;
  // Every line of the file; an empty line in the middle reads as "", so a
  // caller stopping at the first "" stops there.
  virtual std::vector<Text> ReadTextLines(const Text& path) = 0;
  virtual bool DeleteFile(const Text& path) = 0;
  virtual Text TempDir() = 0;     // ends with a backslash
  virtual Text WindowsDir() = 0;  // ends with a backslash
  virtual Text ProgramDir() = 0;  // no trailing backslash
  virtual Text NewTempFileName() = 0;

  // Programs and the shell. With wait, *exitStatus (when given) receives the
  // process's exit code; it is left alone when the program did not start.
  virtual bool RunCommand(const Text& commandLine, bool wait = false, bool hidden = false,
                          int* exitStatus = nullptr) = 0;
  virtual void OpenUrl(const Text& address) = 0;

  // Dialogs.
  virtual int ShowMessage(const Text& text, int style, const Text& title) = 0;
  int ShowMessage(const Text& text, int style) {
    return ShowMessage(text, style, kDefaultMessageTitle);
  }
  // OK: true and *answer set; cancelled: false and *answer untouched.
  virtual bool AskText(const Text& prompt, const Text& title, const Text& initial, AskMode mode,
                       Text* answer) = 0;
  virtual Text PickFolder(const Text& title) = 0;

  // The program's windows. LoadWindow runs OnCreated before it returns; a
  // modal load returns when the window has closed.
  virtual WindowId LoadWindow(const WindowLayout& layout, WindowEvents& events, bool modal) = 0;
  // Queued: the window closes after the running handler returns.
  virtual void CloseWindow(WindowId window) = 0;
  virtual void ShowWindow(WindowId window, bool visible) = 0;
  virtual bool IsWindowOpen(WindowId window) = 0;

  // Controls, by name. An empty control name means the window's caption.
  // From a worker each call is carried out on the user-interface thread while
  // the worker waits, so each single call is atomic.
  virtual Text GetText(WindowId window, const Text& control) = 0;
  virtual void SetText(WindowId window, const Text& control, const Text& text) = 0;
  virtual bool IsChecked(WindowId window, const Text& control) = 0;
  // Setting a check state runs no handler.
  virtual void SetChecked(WindowId window, const Text& control, bool checked) = 0;
  virtual bool IsEnabled(WindowId window, const Text& control) = 0;
  virtual void SetEnabled(WindowId window, const Text& control, bool enabled) = 0;
  virtual void SelectAllText(WindowId window, const Text& control) = 0;
  virtual void SelectTab(WindowId window, const Text& control, int page) = 0;
  virtual void ComboAdd(WindowId window, const Text& control, const Text& item) = 0;
  virtual void ComboSelect(WindowId window, const Text& control, int index) = 0;
  virtual Text ComboSelectedText(WindowId window, const Text& control) = 0;

  // List views (icon lists and report lists alike).
  // Inserts at a 0-based position (-1: at the end) and returns where the
  // entry actually went, with its identity.
  virtual ListEntry ListInsert(WindowId window, const Text& control, int position, const Text& text,
                               int image) = 0;
  ListEntry ListAdd(WindowId window, const Text& control, const Text& text, int image) {
    return ListInsert(window, control, -1, text, image);
  }
  virtual int ListCount(WindowId window, const Text& control) = 0;
  virtual ListEntry ListEntryAt(WindowId window, const Text& control, int position) = 0;
  // Changes act on the entry with that identity, wherever it now stands;
  // false when it has been removed.
  virtual bool ListSetText(WindowId window, const Text& control, EntryId id, const Text& text) = 0;
  virtual bool ListSetImage(WindowId window, const Text& control, EntryId id, int image) = 0;
  virtual bool ListRemove(WindowId window, const Text& control, EntryId id) = 0;
  virtual void ListRemoveAll(WindowId window, const Text& control) = 0;
  virtual ListEntry ListSelected(WindowId window, const Text& control) = 0;
  virtual void ListSelect(WindowId window, const Text& control, int position) = 0;

  // Pop-up menus of a window's layout. The chosen item reaches the window's
  // OnCommand after the menu has closed.
  virtual void SetMenuItemVisible(WindowId window, const Text& item, bool visible) = 0;
  virtual void PopupMenu(WindowId window, const Text& menu) = 0;

  // Workers. The handle is stored in *handleVar before the worker runs.
  virtual bool StartWorker(WorkerRoutine routine, int argument,
                           WorkerHandleVar* handleVar = nullptr) = 0;
  // Cooperative: once it returns, the stopped worker changes no control,
  // file, registry value or further worker. Blocking calls it is in finish
  // and their results go nowhere. Ended or empty handles are accepted.
  virtual void StopWorker(WorkerHandle handle) = 0;
  // True on a worker that has been stopped; routines may leave early.
  virtual bool StopRequested() = 0;

  // Text conversion and per-user data protection (MultiByteToWideChar with
  // code page 936, CryptProtectData / CryptUnprotectData).
  // UTF-16LE bytes of the text, its terminating zero character included.
  virtual std::string AnsiToUtf16(const Text& text) = 0;
  // The protected blob; "" when protection fails.
  virtual std::string ProtectForUser(const std::string& data, const Text& description) = 0;
  // False when the blob does not unprotect for this user.
  virtual bool UnprotectForUser(const std::string& blob, std::string* data) = 0;

  // GetVersion's word: major version in the low byte, minor in the next.
  virtual std::uint32_t WindowsVersionWord() = 0;
};

}  // namespace volmere
