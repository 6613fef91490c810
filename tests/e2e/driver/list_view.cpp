#include "tests/e2e/driver/list_view.h"

#include <commctrl.h>

#include <vector>

namespace volmere::e2e {
namespace {

// A block of memory in the list's process, freed with the object.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, size_t size) : size_(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_)
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(size_t offset, const void* data, size_t size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, at(offset), data, size, &done) && done == size;
  }
  bool Read(size_t offset, void* data, size_t size) const {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, at(offset), data, size, &done) && done == size;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

LRESULT Send(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(list, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

constexpr size_t kTextSize = 1024;

}  // namespace

int RemoteListView::Count() const { return static_cast<int>(Send(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::string RemoteListView::ItemText(int item) const {
  RemoteMemory memory(list_, sizeof(LVITEMA) + kTextSize);
  if (!memory.ok()) return "";
  LVITEMA request = {};
  request.iSubItem = 0;
  request.pszText = memory.at(sizeof(LVITEMA));
  request.cchTextMax = kTextSize;
  if (!memory.Write(0, &request, sizeof request)) return "";
  const LRESULT length =
      Send(list_, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(memory.at(0)));
  if (length <= 0) return "";
  std::vector<char> text(kTextSize, '\0');
  if (!memory.Read(sizeof(LVITEMA), text.data(), text.size())) return "";
  return std::string(text.data(), static_cast<size_t>(length));
}

int RemoteListView::ItemImage(int item) const {
  RemoteMemory memory(list_, sizeof(LVITEMA));
  if (!memory.ok()) return -1;
  LVITEMA request = {};
  request.mask = LVIF_IMAGE;
  request.iItem = item;
  if (!memory.Write(0, &request, sizeof request)) return -1;
  if (Send(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.at(0))) != TRUE) return -1;
  LVITEMA answer = {};
  if (!memory.Read(0, &answer, sizeof answer)) return -1;
  return answer.iImage;
}

int RemoteListView::SelectedItem() const {
  return static_cast<int>(Send(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int RemoteListView::FindItem(const std::string& text) const {
  const int count = Count();
  for (int i = 0; i < count; ++i)
    if (ItemText(i) == text) return i;
  return -1;
}

bool RemoteListView::Select(int item) const {
  RemoteMemory memory(list_, sizeof(LVITEMA));
  if (!memory.ok()) return false;
  LVITEMA request = {};
  request.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  request.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!memory.Write(0, &request, sizeof request)) return false;
  return Send(list_, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(memory.at(0))) == TRUE;
}

RECT RemoteListView::ItemRect(int item) const {
  RECT r = {};
  RemoteMemory memory(list_, sizeof(RECT));
  if (!memory.ok()) return r;
  r.left = LVIR_BOUNDS;
  if (!memory.Write(0, &r, sizeof r)) return RECT{};
  if (Send(list_, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(memory.at(0))) != TRUE)
    return RECT{};
  memory.Read(0, &r, sizeof r);
  return r;
}

POINT RemoteListView::ItemPoint(int item) const {
  RECT icon = {};
  RemoteMemory memory(list_, sizeof(RECT));
  icon.left = LVIR_ICON;
  if (memory.ok() && memory.Write(0, &icon, sizeof icon) &&
      Send(list_, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(memory.at(0))) == TRUE)
    memory.Read(0, &icon, sizeof icon);
  else
    icon = ItemRect(item);
  return POINT{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
}

void RemoteListView::ClickAt(POINT client, bool right) const {
  const LPARAM at = MAKELPARAM(client.x, client.y);
  if (right) {
    PostMessageA(list_, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(list_, WM_RBUTTONUP, 0, at);
  } else {
    PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list_, WM_LBUTTONUP, 0, at);
  }
}

void RemoteListView::Click(int item) const { ClickAt(ItemPoint(item)); }

void RemoteListView::RightClick(int item) const { ClickAt(ItemPoint(item), true); }

void RemoteListView::DoubleClick(int item) const {
  const POINT p = ItemPoint(item);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list_, WM_LBUTTONUP, 0, at);
  PostMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list_, WM_LBUTTONUP, 0, at);
}

}  // namespace volmere::e2e
