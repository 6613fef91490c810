// SystemServices over Win32. The non-window operations live in their own
// files (registry, files, processes, workers); the windows, controls and
// dialogs, and the marshalling of worker calls to the user-interface thread,
// live behind UiState.
#pragma once

#include <memory>

#include "platform/system_services.h"
#include "platform/worker_gate.h"

namespace volmere {

class Win32System final : public SystemServices {
 public:
  Win32System();
  ~Win32System() override;

  Text RegReadText(RegRoot root, const Text& path) override;
  std::uint32_t RegReadNumber(RegRoot root, const Text& path) override;
  bool RegWriteText(RegRoot root, const Text& path, const Text& text) override;
  bool RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n) override;
  bool RegValueExists(RegRoot root, const Text& path) override;
  bool WriteTextFile(const Text& path, const Text& text) override;
  Text ReadTextFile(const Text& path) override;
  std::vector<Text> ReadTextLines(const Text& path) override;
  bool DeleteFile(const Text& path) override;
  Text TempDir() override;
  Text WindowsDir() override;
  Text ProgramDir() override;
  Text NewTempFileName() override;
  bool RunCommand(const Text& commandLine, bool wait = false, bool hidden = false,
                  int* exitStatus = nullptr) override;
  void OpenUrl(const Text& address) override;
  using SystemServices::ShowMessage;
  int ShowMessage(const Text& text, int style, const Text& title) override;
  bool AskText(const Text& prompt, const Text& title, const Text& initial, AskMode mode,
               Text* answer) override;
  Text PickFolder(const Text& title) override;
  WindowId LoadWindow(const WindowLayout& layout, WindowEvents& events, bool modal) override;
  void CloseWindow(WindowId window) override;
  void ShowWindow(WindowId window, bool visible) override;
  bool IsWindowOpen(WindowId window) override;
  Text GetText(WindowId window, const Text& control) override;
  void SetText(WindowId window, const Text& control, const Text& text) override;
  bool IsChecked(WindowId window, const Text& control) override;
  void SetChecked(WindowId window, const Text& control, bool checked) override;
  bool IsEnabled(WindowId window, const Text& control) override;
  void SetEnabled(WindowId window, const Text& control, bool enabled) override;
  void SelectAllText(WindowId window, const Text& control) override;
  void SelectTab(WindowId window, const Text& control, int page) override;
  void ComboAdd(WindowId window, const Text& control, const Text& item) override;
  void ComboSelect(WindowId window, const Text& control, int index) override;
  Text ComboSelectedText(WindowId window, const Text& control) override;
  ListEntry ListInsert(WindowId window, const Text& control, int position, const Text& text,
                       int image) override;
  int ListCount(WindowId window, const Text& control) override;
  ListEntry ListEntryAt(WindowId window, const Text& control, int position) override;
  bool ListSetText(WindowId window, const Text& control, EntryId id, const Text& text) override;
  bool ListSetImage(WindowId window, const Text& control, EntryId id, int image) override;
  bool ListRemove(WindowId window, const Text& control, EntryId id) override;
  void ListRemoveAll(WindowId window, const Text& control) override;
  ListEntry ListSelected(WindowId window, const Text& control) override;
  void ListSelect(WindowId window, const Text& control, int position) override;
  void SetMenuItemVisible(WindowId window, const Text& item, bool visible) override;
  void PopupMenu(WindowId window, const Text& menu) override;
  bool StartWorker(WorkerRoutine routine, int argument,
                   WorkerHandleVar* handleVar = nullptr) override;
  void StopWorker(WorkerHandle handle) override;
  bool StopRequested() override;
  std::uint32_t WindowsVersionWord() override;
  std::string AnsiToUtf16(const Text& text) override;
  std::string ProtectForUser(const std::string& data, const Text& description) override;
  bool UnprotectForUser(const std::string& blob, std::string* data) override;

  // The window-side state; defined with the user-interface code.
  struct UiState;

 private:
  std::unique_ptr<UiState> ui_;
  WorkerRegistry workers_;
};

}  // namespace volmere
