// The recording substitute for SystemServices.
//
// It keeps a registry, a file system and a model of every opened window's
// controls in memory, records what the logic does (command lines, file
// writes, registry writes, messages, control texts) and answers dialogs from
// scripts that a test queues. Workers are real threads, so races show under
// ThreadSanitizer; every control operation is serialized through one lock,
// as the real user-interface thread serializes them.
//
// The test thread plays the user-interface thread: Click, ListClick and the
// other user actions run the window's handlers on it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "platform/system_services.h"
#include "platform/worker_gate.h"

namespace volmere {

class FakeSystem : public SystemServices {
 public:
  struct Command {
    Text commandLine;
    bool wait;
    bool hidden;
  };
  struct FileWrite {
    Text path;
    Text content;
  };
  struct RegWrite {
    RegRoot root;
    Text path;
    bool isNumber;
    Text text;
    std::uint32_t number;
  };
  struct Message {
    Text text;
    int style;
    Text title;
  };
  struct Question {  // an AskText call
    Text prompt;
    Text title;
    Text initial;
    AskMode mode;
  };
  struct Popup {
    WindowId window;
    Text menu;
    std::vector<Text> visibleItems;
  };
  // What a scripted command does when it runs: its exit status, after any
  // side effects the test wants (a registry value set, a file written).
  using CommandScript = std::function<int(const Text& commandLine)>;
  using WindowScript = std::function<void(FakeSystem& fake, WindowId window)>;

  FakeSystem();
  ~FakeSystem() override;

  // --- SystemServices ---
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

  // --- Set-up ---
  void SetRegText(RegRoot root, const Text& path, const Text& text);
  void SetRegExpandText(RegRoot root, const Text& path, const Text& text);
  void SetRegNumber(RegRoot root, const Text& path, std::uint32_t n);
  void RemoveRegValue(RegRoot root, const Text& path);
  // Writes under this root fail, as they do without administrator rights.
  void FailRegistryWrites(RegRoot root, bool fail = true);
  void PutFile(const Text& path, const Text& content);
  void FailWritesTo(const Text& path);
  void SetDirectories(const Text& tempDir, const Text& windowsDir, const Text& programDir);
  void SetVersionWord(std::uint32_t word);
  void SetTickCount(std::uint32_t ticks);
  // ProtectForUser gives "" from now on, as a failing CryptProtectData does.
  void FailProtection(bool fail = true);
  // Commands whose line contains `part` run the script instead of nothing.
  void OnCommand(const Text& part, CommandScript script);
  // Commands whose line contains `part` cannot be started.
  void FailToStart(const Text& part);
  void QueueMessageAnswer(int result);
  void QueueAskAnswer(std::optional<Text> answer);  // nullopt: cancelled
  void QueuePickedFolder(const Text& path);
  void QueueMenuChoice(const Text& item);  // "" chooses nothing
  // Runs inside LoadWindow of a window with that layout name, after its
  // created handler: the user's actions while a modal window is open.
  void OnWindowOpened(const Text& layoutName, WindowScript script);

  // --- User actions, on the calling (user-interface) thread ---
  // Buttons run their handler; check boxes toggle first; radio buttons check
  // themselves and clear the rest of their group first.
  void Click(WindowId window, const Text& control);
  // Selects the row (-1: clicks empty space) and reports the click.
  void ListClick(WindowId window, const Text& control, int position);
  void ListDoubleClick(WindowId window, const Text& control, int position);
  void ListRightClick(WindowId window, const Text& control, int position);
  void Type(WindowId window, const Text& control, const Text& text);
  void Focus(WindowId window, const Text& control);
  void PickComboItem(WindowId window, const Text& control, int index);
  // Close box, system menu or Esc: asks the window's closing rule.
  void RequestClose(WindowId window);

  // --- What happened ---
  std::vector<Command> Commands();
  std::vector<FileWrite> FileWrites();
  std::vector<Text> Deletions();
  std::vector<RegWrite> RegWrites();
  std::vector<Message> Messages();
  std::vector<Question> Questions();
  std::vector<Text> FolderPickerTitles();
  std::vector<Text> OpenedUrls();
  std::vector<Popup> Popups();
  std::vector<Text> LoadedWindows();  // layout names, in order of opening
  // Every text a control was given, in order (control "" is the caption).
  std::vector<Text> TextHistory(WindowId window, const Text& control);
  bool FileExists(const Text& path);
  Text FileContent(const Text& path);
  bool RegHasValue(RegRoot root, const Text& path);
  // The newest open window with that layout name; 0 when none.
  WindowId FindWindow(const Text& layoutName);
  bool IsWindowVisible(WindowId window);
  bool IsModal(WindowId window);
  bool IsMenuItemVisible(WindowId window, const Text& item);
  int SelectedTab(WindowId window, const Text& control);
  bool IsTextSelected(WindowId window, const Text& control);
  std::vector<Text> ComboItems(WindowId window, const Text& control);
  std::vector<ListEntry> ListEntries(WindowId window, const Text& control);
  std::vector<Text> ListTexts(WindowId window, const Text& control);
  int StartedWorkerCount();

  // Waits until every worker started so far, and every worker they start,
  // has ended.
  void WaitForWorkers();

 private:
  struct RegValue {
    enum Kind { Sz, ExpandSz, Dword } kind;
    Text text;
    std::uint32_t number;
  };
  struct Row {
    EntryId id;
    Text text;
    int image;
  };
  struct ControlState {
    ControlKind kind;
    Text group;  // radio group key
    Text text;
    bool checked = false;
    bool enabled = true;
    bool textSelected = false;
    int page = 0;
    std::vector<Text> items;
    int selectedItem = -1;
    std::vector<Row> rows;
    int selectedRow = -1;
  };
  struct FakeWindow {
    WindowId id = 0;
    const WindowLayout* layout = nullptr;
    WindowEvents* events = nullptr;
    bool modal = false;
    bool open = true;
    bool visible = true;
    bool closePending = false;
    Text caption;
    std::map<Text, ControlState> controls;
    std::map<Text, bool> menuItemVisible;
    std::map<Text, std::vector<Text>> textHistory;
  };

  static Text RegKey(RegRoot root, const Text& path, Text* valueName);
  static Text FileKey(const Text& path);
  FakeWindow* Find(WindowId window);                            // lock held
  ControlState* Control(WindowId window, const Text& control);  // lock held
  // Runs a handler with no lock held, then carries out what it queued.
  void Dispatch(WindowId window, const std::function<void(WindowEvents&)>& handler);
  void FinishPendingWork();
  template <typename EffectFn>
  bool Effect(EffectFn&& effect);

  std::mutex mutex_;  // guards everything below; stands for the UI thread
  std::map<Text, RegValue> registry_;
  std::set<int> failingRegRoots_;
  std::map<Text, Text> files_;
  std::set<Text> failingFiles_;
  Text tempDir_ = "C:\\TEMP\\";
  Text windowsDir_ = "C:\\WINDOWS\\";
  Text programDir_ = "D:\\tools";
  std::uint32_t versionWord_ = 0x1DB10106;
  std::uint32_t ticks_ = 1000;
  std::uint32_t tempCounter_ = 0;
  bool protectionFails_ = false;
  std::vector<std::pair<Text, CommandScript>> commandScripts_;
  std::vector<Text> failingCommands_;
  std::deque<int> messageAnswers_;
  std::deque<std::optional<Text>> askAnswers_;
  std::deque<Text> pickedFolders_;
  std::deque<Text> menuChoices_;
  std::map<Text, WindowScript> windowScripts_;
  std::vector<Command> commands_;
  std::vector<FileWrite> fileWrites_;
  std::vector<Text> deletions_;
  std::vector<RegWrite> regWrites_;
  std::vector<Message> messages_;
  std::vector<Question> questions_;
  std::vector<Text> pickerTitles_;
  std::vector<Text> urls_;
  std::vector<Popup> popups_;
  std::vector<Text> loadedWindows_;
  std::map<WindowId, FakeWindow> windows_;
  WindowId nextWindow_ = 1;
  EntryId nextEntry_ = 1;
  std::deque<std::pair<WindowId, Text>> pendingCommands_;  // chosen menu items

  WorkerRegistry workers_;
  std::mutex workerMutex_;
  std::condition_variable workersDone_;
  int runningWorkers_ = 0;
  int startedWorkers_ = 0;
  std::vector<std::thread> threads_;
};

}  // namespace volmere
