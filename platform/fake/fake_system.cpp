#include "platform/fake/fake_system.h"

#include <cstdio>

namespace volmere {
namespace {

Text FoldCase(const Text& text) {
  Text folded = text;
  std::size_t i = 0;
  while (i < folded.size()) {
    auto c = static_cast<unsigned char>(folded[i]);
    if (c >= 0x80 && i + 1 < folded.size()) {
      i += 2;
      continue;
    }
    if (c >= 'a' && c <= 'z') folded[i] = static_cast<char>(c - 32);
    ++i;
  }
  return folded;
}

bool IsYesNo(int style) { return (style & 0xF) == 4; }

}  // namespace

FakeSystem::FakeSystem() = default;

FakeSystem::~FakeSystem() { WaitForWorkers(); }

template <typename EffectFn>
bool FakeSystem::Effect(EffectFn&& effect) {
  return WorkerRegistry::PassCurrent([&] {
    std::lock_guard<std::mutex> lock(mutex_);
    effect();
  });
}

// --- Registry ---

Text FakeSystem::RegKey(RegRoot root, const Text& path, Text* valueName) {
  int split = -1;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && IsCharacterStart(path, i)) split = static_cast<int>(i);
  }
  Text key = split < 0 ? Text() : path.substr(0, static_cast<std::size_t>(split));
  Text value = split < 0 ? path : path.substr(static_cast<std::size_t>(split) + 1);
  if (valueName) *valueName = value;
  return FoldCase((root == RegRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + key) + "\x01" +
         FoldCase(value);
}

Text FakeSystem::RegReadText(RegRoot root, const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = registry_.find(RegKey(root, path, nullptr));
  if (it == registry_.end() || it->second.kind == RegValue::Dword) return "";
  return it->second.text;
}

std::uint32_t FakeSystem::RegReadNumber(RegRoot root, const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = registry_.find(RegKey(root, path, nullptr));
  if (it == registry_.end() || it->second.kind != RegValue::Dword) return 0;
  return it->second.number;
}

bool FakeSystem::RegWriteText(RegRoot root, const Text& path, const Text& text) {
  bool ok = false;
  Effect([&] {
    if (failingRegRoots_.count(static_cast<int>(root))) return;
    registry_[RegKey(root, path, nullptr)] = {RegValue::Sz, text, 0};
    regWrites_.push_back({root, path, false, text, 0});
    ok = true;
  });
  return ok;
}

bool FakeSystem::RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n) {
  bool ok = false;
  Effect([&] {
    if (failingRegRoots_.count(static_cast<int>(root))) return;
    registry_[RegKey(root, path, nullptr)] = {RegValue::Dword, "", n};
    regWrites_.push_back({root, path, true, "", n});
    ok = true;
  });
  return ok;
}

bool FakeSystem::RegValueExists(RegRoot root, const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  return registry_.count(RegKey(root, path, nullptr)) > 0;
}

// --- Files ---

Text FakeSystem::FileKey(const Text& path) {
  Text collapsed;
  for (char c : path) {
    if (c == '\\' && !collapsed.empty() && collapsed.back() == '\\') continue;
    collapsed += c;
  }
  return FoldCase(collapsed);
}

bool FakeSystem::WriteTextFile(const Text& path, const Text& text) {
  bool ok = false;
  Effect([&] {
    if (path.empty() || failingFiles_.count(FileKey(path))) return;
    files_[FileKey(path)] = text;
    fileWrites_.push_back({path, text});
    ok = true;
  });
  return ok;
}

Text FakeSystem::ReadTextFile(const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(FileKey(path));
  if (path.empty() || it == files_.end()) return "";
  return it->second.substr(0, it->second.find('\0'));
}

std::vector<Text> FakeSystem::ReadTextLines(const Text& path) {
  Text content;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(FileKey(path));
    if (it == files_.end()) return {};
    content = it->second;
  }
  std::vector<Text> lines;
  Text line;
  bool pending = false;
  for (char c : content) {
    if (c == '\n' || c == '\0' || c == '\x1A') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
      pending = false;
    } else {
      line += c;
      pending = true;
    }
  }
  if (pending) lines.push_back(line);
  return lines;
}

bool FakeSystem::DeleteFile(const Text& path) {
  bool ok = false;
  Effect([&] {
    deletions_.push_back(path);
    ok = files_.erase(FileKey(path)) > 0;
  });
  return ok;
}

Text FakeSystem::TempDir() {
  std::lock_guard<std::mutex> lock(mutex_);
  return tempDir_;
}

Text FakeSystem::WindowsDir() {
  std::lock_guard<std::mutex> lock(mutex_);
  return windowsDir_;
}

Text FakeSystem::ProgramDir() {
  std::lock_guard<std::mutex> lock(mutex_);
  return programDir_;
}

Text FakeSystem::NewTempFileName() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::uint32_t n = ticks_ + tempCounter_;
  ++tempCounter_;
  for (;;) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", n);
    Text candidate = tempDir_ + hex + ".tmp";
    if (!files_.count(FileKey(candidate))) return candidate;
    ++n;
  }
}

// --- Programs and the shell ---

bool FakeSystem::RunCommand(const Text& commandLine, bool wait, bool hidden, int* exitStatus) {
  CommandScript script;
  bool started = false;
  Effect([&] {
    commands_.push_back({commandLine, wait, hidden});
    for (const Text& part : failingCommands_) {
      if (commandLine.find(part) != Text::npos) return;
    }
    started = true;
    for (const auto& entry : commandScripts_) {
      if (commandLine.find(entry.first) != Text::npos) {
        script = entry.second;
        break;
      }
    }
  });
  if (!started) return false;
  int status = script ? script(commandLine) : 0;
  if (wait && exitStatus) *exitStatus = status;
  return true;
}

void FakeSystem::OpenUrl(const Text& address) {
  Effect([&] { urls_.push_back(address); });
}

// --- Dialogs ---

int FakeSystem::ShowMessage(const Text& text, int style, const Text& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.push_back({text, style, title});
  if (!IsYesNo(style)) return MsgOk;
  if (messageAnswers_.empty()) return MsgNo;
  int answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

bool FakeSystem::AskText(const Text& prompt, const Text& title, const Text& initial, AskMode mode,
                         Text* answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  questions_.push_back({prompt, title, initial, mode});
  if (askAnswers_.empty()) return false;
  std::optional<Text> scripted = askAnswers_.front();
  askAnswers_.pop_front();
  if (!scripted) return false;
  *answer = *scripted;
  return true;
}

Text FakeSystem::PickFolder(const Text& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  pickerTitles_.push_back(title);
  if (pickedFolders_.empty()) return "";
  Text path = pickedFolders_.front();
  pickedFolders_.pop_front();
  return path;
}

// --- Windows ---

FakeSystem::FakeWindow* FakeSystem::Find(WindowId window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || !it->second.open) return nullptr;
  return &it->second;
}

FakeSystem::ControlState* FakeSystem::Control(WindowId window, const Text& control) {
  FakeWindow* w = Find(window);
  if (!w) return nullptr;
  auto it = w->controls.find(control);
  return it == w->controls.end() ? nullptr : &it->second;
}

WindowId FakeSystem::LoadWindow(const WindowLayout& layout, WindowEvents& events, bool modal) {
  WindowId id = 0;
  WindowScript script;
  Effect([&] {
    id = nextWindow_++;
    FakeWindow w;
    w.id = id;
    w.layout = &layout;
    w.events = &events;
    w.modal = modal;
    w.caption = layout.caption;
    Text group;
    bool previousWasRadio = false;
    for (const ControlLayout& c : layout.controls) {
      bool radio = c.kind == ControlKind::RadioButton;
      if (radio && ((c.style & kGroupStart) || !previousWasRadio)) group = c.name;
      previousWasRadio = radio;
      if (!*c.name) continue;
      ControlState state;
      state.kind = c.kind;
      state.group = radio ? group : Text();
      state.text = c.text;
      state.checked = (c.style & kChecked) != 0;
      state.enabled = (c.style & kDisabled) == 0;
      w.controls[c.name] = state;
    }
    for (const MenuLayout& menu : layout.menus) {
      for (const MenuItemLayout& item : menu.items) w.menuItemVisible[item.name] = item.visible;
    }
    windows_.emplace(id, std::move(w));
    loadedWindows_.push_back(layout.name);
    auto it = windowScripts_.find(layout.name);
    if (it != windowScripts_.end()) script = it->second;
  });
  if (!id) return 0;
  Dispatch(id, [id](WindowEvents& e) { e.OnCreated(id); });
  if (script && IsWindowOpen(id)) {
    script(*this, id);
    FinishPendingWork();
  }
  return id;
}

void FakeSystem::CloseWindow(WindowId window) {
  Effect([&] {
    if (FakeWindow* w = Find(window)) w->closePending = true;
  });
}

void FakeSystem::ShowWindow(WindowId window, bool visible) {
  Effect([&] {
    if (FakeWindow* w = Find(window)) w->visible = visible;
  });
}

bool FakeSystem::IsWindowOpen(WindowId window) {
  std::lock_guard<std::mutex> lock(mutex_);
  return Find(window) != nullptr;
}

void FakeSystem::Dispatch(WindowId window, const std::function<void(WindowEvents&)>& handler) {
  WindowEvents* events = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (FakeWindow* w = Find(window)) events = w->events;
  }
  if (events) handler(*events);
  FinishPendingWork();
}

void FakeSystem::FinishPendingWork() {
  for (;;) {
    std::pair<WindowId, Text> chosen{0, ""};
    WindowEvents* closing = nullptr;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!pendingCommands_.empty()) {
        chosen = pendingCommands_.front();
        pendingCommands_.pop_front();
      } else {
        for (auto& entry : windows_) {
          FakeWindow& w = entry.second;
          if (w.open && w.closePending) {
            w.open = false;
            closing = w.events;
            break;
          }
        }
      }
    }
    if (chosen.first) {
      Text item = chosen.second;
      Dispatch(chosen.first, [item](WindowEvents& e) { e.OnCommand(item); });
    } else if (closing) {
      closing->OnClosed();
    } else {
      return;
    }
  }
}

// --- Controls ---

Text FakeSystem::GetText(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (control.empty()) {
    FakeWindow* w = Find(window);
    return w ? w->caption : Text();
  }
  ControlState* c = Control(window, control);
  return c ? c->text : Text();
}

void FakeSystem::SetText(WindowId window, const Text& control, const Text& text) {
  Effect([&] {
    FakeWindow* w = Find(window);
    if (!w) return;
    if (control.empty()) {
      w->caption = text;
    } else {
      ControlState* c = Control(window, control);
      if (!c) return;
      c->text = text;
      c->textSelected = false;
    }
    w->textHistory[control].push_back(text);
  });
}

bool FakeSystem::IsChecked(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c && c->checked;
}

void FakeSystem::SetChecked(WindowId window, const Text& control, bool checked) {
  Effect([&] {
    ControlState* c = Control(window, control);
    if (!c) return;
    if (checked && c->kind == ControlKind::RadioButton) {
      for (auto& entry : Find(window)->controls) {
        if (entry.second.kind == ControlKind::RadioButton && entry.second.group == c->group)
          entry.second.checked = false;
      }
    }
    c->checked = checked;
  });
}

bool FakeSystem::IsEnabled(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c && c->enabled;
}

void FakeSystem::SetEnabled(WindowId window, const Text& control, bool enabled) {
  Effect([&] {
    if (ControlState* c = Control(window, control)) c->enabled = enabled;
  });
}

void FakeSystem::SelectAllText(WindowId window, const Text& control) {
  Effect([&] {
    if (ControlState* c = Control(window, control)) c->textSelected = true;
  });
}

void FakeSystem::SelectTab(WindowId window, const Text& control, int page) {
  Effect([&] {
    if (ControlState* c = Control(window, control)) c->page = page;
  });
}

void FakeSystem::ComboAdd(WindowId window, const Text& control, const Text& item) {
  Effect([&] {
    if (ControlState* c = Control(window, control)) c->items.push_back(item);
  });
}

void FakeSystem::ComboSelect(WindowId window, const Text& control, int index) {
  Effect([&] {
    ControlState* c = Control(window, control);
    if (c) c->selectedItem = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
  });
}

Text FakeSystem::ComboSelectedText(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  if (!c || c->selectedItem < 0) return "";
  return c->items[static_cast<std::size_t>(c->selectedItem)];
}

// --- Lists ---

ListEntry FakeSystem::ListInsert(WindowId window, const Text& control, int position,
                                 const Text& text, int image) {
  ListEntry added;
  Effect([&] {
    ControlState* c = Control(window, control);
    if (!c) return;
    int count = static_cast<int>(c->rows.size());
    int at = (position < 0 || position > count) ? count : position;
    EntryId id = nextEntry_++;
    c->rows.insert(c->rows.begin() + at, Row{id, text, image});
    if (c->selectedRow >= at) ++c->selectedRow;
    added = {at, id, text, image};
  });
  return added;
}

int FakeSystem::ListCount(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c ? static_cast<int>(c->rows.size()) : 0;
}

ListEntry FakeSystem::ListEntryAt(WindowId window, const Text& control, int position) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  if (!c || position < 0 || position >= static_cast<int>(c->rows.size())) return {};
  const Row& row = c->rows[static_cast<std::size_t>(position)];
  return {position, row.id, row.text, row.image};
}

bool FakeSystem::ListSetText(WindowId window, const Text& control, EntryId id, const Text& text) {
  bool found = false;
  Effect([&] {
    ControlState* c = Control(window, control);
    if (!c) return;
    for (Row& row : c->rows) {
      if (row.id == id) {
        row.text = text;
        found = true;
      }
    }
  });
  return found;
}

bool FakeSystem::ListSetImage(WindowId window, const Text& control, EntryId id, int image) {
  bool found = false;
  Effect([&] {
    ControlState* c = Control(window, control);
    if (!c) return;
    for (Row& row : c->rows) {
      if (row.id == id) {
        row.image = image;
        found = true;
      }
    }
  });
  return found;
}

bool FakeSystem::ListRemove(WindowId window, const Text& control, EntryId id) {
  bool found = false;
  Effect([&] {
    ControlState* c = Control(window, control);
    if (!c) return;
    for (std::size_t i = 0; i < c->rows.size(); ++i) {
      if (c->rows[i].id != id) continue;
      c->rows.erase(c->rows.begin() + static_cast<long>(i));
      int removed = static_cast<int>(i);
      if (c->selectedRow == removed)
        c->selectedRow = -1;
      else if (c->selectedRow > removed)
        --c->selectedRow;
      found = true;
      return;
    }
  });
  return found;
}

void FakeSystem::ListRemoveAll(WindowId window, const Text& control) {
  Effect([&] {
    if (ControlState* c = Control(window, control)) {
      c->rows.clear();
      c->selectedRow = -1;
    }
  });
}

ListEntry FakeSystem::ListSelected(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  if (!c || c->selectedRow < 0) return {};
  const Row& row = c->rows[static_cast<std::size_t>(c->selectedRow)];
  return {c->selectedRow, row.id, row.text, row.image};
}

void FakeSystem::ListSelect(WindowId window, const Text& control, int position) {
  Effect([&] {
    ControlState* c = Control(window, control);
    if (c)
      c->selectedRow =
          (position >= 0 && position < static_cast<int>(c->rows.size())) ? position : -1;
  });
}

// --- Menus ---

void FakeSystem::SetMenuItemVisible(WindowId window, const Text& item, bool visible) {
  Effect([&] {
    if (FakeWindow* w = Find(window)) w->menuItemVisible[item] = visible;
  });
}

void FakeSystem::PopupMenu(WindowId window, const Text& menu) {
  std::lock_guard<std::mutex> lock(mutex_);
  FakeWindow* w = Find(window);
  if (!w) return;
  Popup popup{window, menu, {}};
  for (const MenuLayout& m : w->layout->menus) {
    if (menu != m.name) continue;
    for (const MenuItemLayout& item : m.items) {
      if (w->menuItemVisible[item.name]) popup.visibleItems.push_back(item.name);
    }
  }
  Text choice;
  if (!menuChoices_.empty()) {
    choice = menuChoices_.front();
    menuChoices_.pop_front();
  }
  for (const Text& item : popup.visibleItems) {
    if (item == choice) pendingCommands_.push_back({window, choice});
  }
  popups_.push_back(std::move(popup));
}

// --- Workers ---

bool FakeSystem::StartWorker(WorkerRoutine routine, int argument, WorkerHandleVar* handleVar) {
  return WorkerRegistry::PassCurrent([&] {
    std::shared_ptr<WorkerGate> gate = workers_.Create();
    if (handleVar) handleVar->store(gate->handle());
    std::lock_guard<std::mutex> lock(workerMutex_);
    ++runningWorkers_;
    ++startedWorkers_;
    threads_.emplace_back([this, gate, routine = std::move(routine), argument] {
      WorkerRegistry::BindCurrent(gate);
      routine(argument);
      WorkerRegistry::BindCurrent(nullptr);
      workers_.Forget(gate->handle());
      std::lock_guard<std::mutex> done(workerMutex_);
      if (--runningWorkers_ == 0) workersDone_.notify_all();
    });
  });
}

void FakeSystem::StopWorker(WorkerHandle handle) {
  if (handle) workers_.Stop(handle);
}

bool FakeSystem::StopRequested() {
  std::shared_ptr<WorkerGate> gate = WorkerRegistry::Current();
  return gate && gate->stopped();
}

std::uint32_t FakeSystem::WindowsVersionWord() {
  std::lock_guard<std::mutex> lock(mutex_);
  return versionWord_;
}

// Stands in for MultiByteToWideChar: ASCII bytes become their UTF-16 unit
// and each double-byte character one unit; the zero terminator is included.
std::string FakeSystem::AnsiToUtf16(const Text& text) {
  std::string utf16;
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0x80 && i + 1 < text.size()) {
      utf16 += static_cast<char>(text[i + 1]);
      utf16 += static_cast<char>(lead);
      i += 2;
    } else {
      utf16 += static_cast<char>(lead);
      utf16 += '\0';
      ++i;
    }
  }
  utf16 += std::string(2, '\0');
  return utf16;
}

namespace {
const std::string kFakeProtectionMark = "FAKE-DPAPI:";
}

// Stands in for CryptProtectData: a marked, byte-flipped copy, so protected
// data never equals the plain data and only this fake unprotects it.
std::string FakeSystem::ProtectForUser(const std::string& data, const Text& description) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (protectionFails_) return "";
  std::string blob = kFakeProtectionMark + description + ":";
  for (char c : data) blob += static_cast<char>(~static_cast<unsigned char>(c));
  return blob;
}

bool FakeSystem::UnprotectForUser(const std::string& blob, std::string* data) {
  if (blob.rfind(kFakeProtectionMark, 0) != 0) return false;
  std::size_t start = blob.find(':', kFakeProtectionMark.size());
  if (start == std::string::npos) return false;
  data->clear();
  for (std::size_t i = start + 1; i < blob.size(); ++i)
    *data += static_cast<char>(~static_cast<unsigned char>(blob[i]));
  return true;
}

void FakeSystem::FailProtection(bool fail) {
  std::lock_guard<std::mutex> lock(mutex_);
  protectionFails_ = fail;
}

void FakeSystem::WaitForWorkers() {
  for (;;) {
    std::vector<std::thread> finished;
    {
      std::unique_lock<std::mutex> lock(workerMutex_);
      workersDone_.wait(lock, [this] { return runningWorkers_ == 0; });
      finished.swap(threads_);
    }
    if (finished.empty()) return;
    for (std::thread& t : finished) t.join();
  }
}

int FakeSystem::StartedWorkerCount() {
  std::lock_guard<std::mutex> lock(workerMutex_);
  return startedWorkers_;
}

// --- Set-up ---

void FakeSystem::SetRegText(RegRoot root, const Text& path, const Text& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  registry_[RegKey(root, path, nullptr)] = {RegValue::Sz, text, 0};
}

void FakeSystem::SetRegExpandText(RegRoot root, const Text& path, const Text& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  registry_[RegKey(root, path, nullptr)] = {RegValue::ExpandSz, text, 0};
}

void FakeSystem::SetRegNumber(RegRoot root, const Text& path, std::uint32_t n) {
  std::lock_guard<std::mutex> lock(mutex_);
  registry_[RegKey(root, path, nullptr)] = {RegValue::Dword, "", n};
}

void FakeSystem::RemoveRegValue(RegRoot root, const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  registry_.erase(RegKey(root, path, nullptr));
}

void FakeSystem::FailRegistryWrites(RegRoot root, bool fail) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (fail)
    failingRegRoots_.insert(static_cast<int>(root));
  else
    failingRegRoots_.erase(static_cast<int>(root));
}

void FakeSystem::PutFile(const Text& path, const Text& content) {
  std::lock_guard<std::mutex> lock(mutex_);
  files_[FileKey(path)] = content;
}

void FakeSystem::FailWritesTo(const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  failingFiles_.insert(FileKey(path));
}

void FakeSystem::SetDirectories(const Text& tempDir, const Text& windowsDir,
                                const Text& programDir) {
  std::lock_guard<std::mutex> lock(mutex_);
  tempDir_ = tempDir;
  windowsDir_ = windowsDir;
  programDir_ = programDir;
}

void FakeSystem::SetVersionWord(std::uint32_t word) {
  std::lock_guard<std::mutex> lock(mutex_);
  versionWord_ = word;
}

void FakeSystem::SetTickCount(std::uint32_t ticks) {
  std::lock_guard<std::mutex> lock(mutex_);
  ticks_ = ticks;
}

void FakeSystem::OnCommand(const Text& part, CommandScript script) {
  std::lock_guard<std::mutex> lock(mutex_);
  commandScripts_.emplace_back(part, std::move(script));
}

void FakeSystem::FailToStart(const Text& part) {
  std::lock_guard<std::mutex> lock(mutex_);
  failingCommands_.push_back(part);
}

void FakeSystem::QueueMessageAnswer(int result) {
  std::lock_guard<std::mutex> lock(mutex_);
  messageAnswers_.push_back(result);
}

void FakeSystem::QueueAskAnswer(std::optional<Text> answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  askAnswers_.push_back(std::move(answer));
}

void FakeSystem::QueuePickedFolder(const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  pickedFolders_.push_back(path);
}

void FakeSystem::QueueMenuChoice(const Text& item) {
  std::lock_guard<std::mutex> lock(mutex_);
  menuChoices_.push_back(item);
}

void FakeSystem::OnWindowOpened(const Text& layoutName, WindowScript script) {
  std::lock_guard<std::mutex> lock(mutex_);
  windowScripts_[layoutName] = std::move(script);
}

// --- User actions ---

void FakeSystem::Click(WindowId window, const Text& control) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ControlState* c = Control(window, control);
    if (c && !c->enabled) return;
    if (c && c->kind == ControlKind::CheckBox) c->checked = !c->checked;
    if (c && c->kind == ControlKind::RadioButton) {
      for (auto& entry : Find(window)->controls) {
        if (entry.second.kind == ControlKind::RadioButton && entry.second.group == c->group)
          entry.second.checked = false;
      }
      c->checked = true;
    }
  }
  Dispatch(window, [control](WindowEvents& e) { e.OnCommand(control); });
}

void FakeSystem::ListClick(WindowId window, const Text& control, int position) {
  ListSelect(window, control, position);
  Dispatch(window, [control](WindowEvents& e) { e.OnListEvent(control, ListEvent::Click); });
}

void FakeSystem::ListDoubleClick(WindowId window, const Text& control, int position) {
  ListSelect(window, control, position);
  Dispatch(window, [control](WindowEvents& e) { e.OnListEvent(control, ListEvent::DoubleClick); });
}

void FakeSystem::ListRightClick(WindowId window, const Text& control, int position) {
  ListSelect(window, control, position);
  Dispatch(window, [control](WindowEvents& e) { e.OnListEvent(control, ListEvent::RightClick); });
}

void FakeSystem::Type(WindowId window, const Text& control, const Text& text) {
  SetText(window, control, text);
}

void FakeSystem::Focus(WindowId window, const Text& control) {
  Dispatch(window, [control](WindowEvents& e) { e.OnFocus(control); });
}

void FakeSystem::PickComboItem(WindowId window, const Text& control, int index) {
  ComboSelect(window, control, index);
  Dispatch(window, [control](WindowEvents& e) { e.OnCommand(control); });
}

void FakeSystem::RequestClose(WindowId window) {
  bool allowed = false;
  Dispatch(window, [&](WindowEvents& e) { allowed = e.OnCloseRequest(); });
  if (allowed) {
    CloseWindow(window);
    FinishPendingWork();
  }
}

// --- What happened ---

std::vector<FakeSystem::Command> FakeSystem::Commands() {
  std::lock_guard<std::mutex> lock(mutex_);
  return commands_;
}

std::vector<FakeSystem::FileWrite> FakeSystem::FileWrites() {
  std::lock_guard<std::mutex> lock(mutex_);
  return fileWrites_;
}

std::vector<Text> FakeSystem::Deletions() {
  std::lock_guard<std::mutex> lock(mutex_);
  return deletions_;
}

std::vector<FakeSystem::RegWrite> FakeSystem::RegWrites() {
  std::lock_guard<std::mutex> lock(mutex_);
  return regWrites_;
}

std::vector<FakeSystem::Message> FakeSystem::Messages() {
  std::lock_guard<std::mutex> lock(mutex_);
  return messages_;
}

std::vector<FakeSystem::Question> FakeSystem::Questions() {
  std::lock_guard<std::mutex> lock(mutex_);
  return questions_;
}

std::vector<Text> FakeSystem::FolderPickerTitles() {
  std::lock_guard<std::mutex> lock(mutex_);
  return pickerTitles_;
}

std::vector<Text> FakeSystem::OpenedUrls() {
  std::lock_guard<std::mutex> lock(mutex_);
  return urls_;
}

std::vector<FakeSystem::Popup> FakeSystem::Popups() {
  std::lock_guard<std::mutex> lock(mutex_);
  return popups_;
}

std::vector<Text> FakeSystem::LoadedWindows() {
  std::lock_guard<std::mutex> lock(mutex_);
  return loadedWindows_;
}

std::vector<Text> FakeSystem::TextHistory(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = windows_.find(window);
  if (it == windows_.end()) return {};
  auto h = it->second.textHistory.find(control);
  return h == it->second.textHistory.end() ? std::vector<Text>() : h->second;
}

bool FakeSystem::FileExists(const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  return files_.count(FileKey(path)) > 0;
}

Text FakeSystem::FileContent(const Text& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(FileKey(path));
  return it == files_.end() ? Text() : it->second;
}

bool FakeSystem::RegHasValue(RegRoot root, const Text& path) { return RegValueExists(root, path); }

WindowId FakeSystem::FindWindow(const Text& layoutName) {
  std::lock_guard<std::mutex> lock(mutex_);
  WindowId found = 0;
  for (auto& entry : windows_) {
    if (entry.second.open && layoutName == entry.second.layout->name) found = entry.first;
  }
  return found;
}

bool FakeSystem::IsWindowVisible(WindowId window) {
  std::lock_guard<std::mutex> lock(mutex_);
  FakeWindow* w = Find(window);
  return w && w->visible;
}

bool FakeSystem::IsModal(WindowId window) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = windows_.find(window);
  return it != windows_.end() && it->second.modal;
}

bool FakeSystem::IsMenuItemVisible(WindowId window, const Text& item) {
  std::lock_guard<std::mutex> lock(mutex_);
  FakeWindow* w = Find(window);
  return w && w->menuItemVisible[item];
}

int FakeSystem::SelectedTab(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c ? c->page : -1;
}

bool FakeSystem::IsTextSelected(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c && c->textSelected;
}

std::vector<Text> FakeSystem::ComboItems(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  ControlState* c = Control(window, control);
  return c ? c->items : std::vector<Text>();
}

std::vector<ListEntry> FakeSystem::ListEntries(WindowId window, const Text& control) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<ListEntry> entries;
  ControlState* c = Control(window, control);
  if (!c) return entries;
  for (std::size_t i = 0; i < c->rows.size(); ++i) {
    entries.push_back({static_cast<int>(i), c->rows[i].id, c->rows[i].text, c->rows[i].image});
  }
  return entries;
}

std::vector<Text> FakeSystem::ListTexts(WindowId window, const Text& control) {
  std::vector<Text> texts;
  for (const ListEntry& e : ListEntries(window, control)) texts.push_back(e.text);
  return texts;
}

}  // namespace volmere
