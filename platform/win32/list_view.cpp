// The list views: entries keep their identity in the item's lParam, so a
// change reaches the entry it was meant for wherever it now stands, and
// fails once that entry has gone.
#include <vector>

#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

bool IsList(const ControlRecord* control) {
  return control && (control->layout->kind == ControlKind::IconList ||
                     control->layout->kind == ControlKind::ReportList);
}

int Count(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

int PositionOf(HWND list, EntryId id) {
  if (id == 0 || id > 0xFFFFFFFFu) return -1;
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = static_cast<LPARAM>(id);
  return static_cast<int>(
      SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

ListEntry EntryAt(HWND list, int position) {
  if (position < 0 || position >= Count(list)) return {};
  std::vector<char> text(1024, '\0');
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = position;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
  ListEntry entry;
  entry.position = position;
  entry.id = static_cast<EntryId>(static_cast<std::uint32_t>(item.lParam));
  entry.text = item.pszText ? item.pszText : "";
  entry.image = item.iImage;
  return entry;
}

}  // namespace

ListEntry Win32System::ListInsert(WindowId window, const Text& control, int position,
                                  const Text& text, int image) {
  ListEntry added;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    const int count = Count(found->hwnd);
    const std::uint32_t id = ui_->nextEntry++;
    if (ui_->nextEntry == 0) ui_->nextEntry = 1;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = (position < 0 || position > count) ? count : position;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    item.lParam = static_cast<LPARAM>(id);
    const int at = static_cast<int>(
        SendMessageA(found->hwnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) return;
    added = {at, id, text, image};
  });
  return added;
}

int Win32System::ListCount(WindowId window, const Text& control) {
  int count = 0;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (IsList(found)) count = Count(found->hwnd);
  });
  return count;
}

ListEntry Win32System::ListEntryAt(WindowId window, const Text& control, int position) {
  ListEntry entry;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (IsList(found)) entry = EntryAt(found->hwnd, position);
  });
  return entry;
}

bool Win32System::ListSetText(WindowId window, const Text& control, EntryId id, const Text& text) {
  bool changed = false;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    const int position = PositionOf(found->hwnd, id);
    if (position < 0) return;
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text.c_str());
    changed = SendMessageA(found->hwnd, LVM_SETITEMTEXTA, position,
                           reinterpret_cast<LPARAM>(&item)) != FALSE;
  });
  return changed;
}

bool Win32System::ListSetImage(WindowId window, const Text& control, EntryId id, int image) {
  bool changed = false;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    const int position = PositionOf(found->hwnd, id);
    if (position < 0) return;
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = position;
    item.iImage = image;
    changed = SendMessageA(found->hwnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
  });
  return changed;
}

bool Win32System::ListRemove(WindowId window, const Text& control, EntryId id) {
  bool removed = false;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    const int position = PositionOf(found->hwnd, id);
    if (position >= 0) removed = SendMessageA(found->hwnd, LVM_DELETEITEM, position, 0) != FALSE;
  });
  return removed;
}

void Win32System::ListRemoveAll(WindowId window, const Text& control) {
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (IsList(found)) SendMessageA(found->hwnd, LVM_DELETEALLITEMS, 0, 0);
  });
}

ListEntry Win32System::ListSelected(WindowId window, const Text& control) {
  ListEntry entry;
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    const int selected = static_cast<int>(
        SendMessageA(found->hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    entry = EntryAt(found->hwnd, selected);
  });
  return entry;
}

void Win32System::ListSelect(WindowId window, const Text& control, int position) {
  ui_->Run([&] {
    ControlRecord* found = ui_->Control(window, control);
    if (!IsList(found)) return;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (position < 0 || position >= Count(found->hwnd)) {
      state.state = 0;
      SendMessageA(found->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&state));
      return;
    }
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(found->hwnd, LVM_SETITEMSTATE, position, reinterpret_cast<LPARAM>(&state));
    SendMessageA(found->hwnd, LVM_ENSUREVISIBLE, position, FALSE);
  });
}

}  // namespace volmere
