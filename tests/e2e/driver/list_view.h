// A list view of another process: its items are read through memory of that
// process, since list view messages carry pointers that the system does not
// carry over between processes.
#pragma once

#include <windows.h>

#include <string>

namespace volmere::e2e {

class RemoteListView {
 public:
  explicit RemoteListView(HWND list) : list_(list) {}

  int Count() const;
  std::string ItemText(int item) const;
  int ItemImage(int item) const;  // -1 when there is no such item
  int SelectedItem() const;       // -1 when none is selected
  // -1 when no item has that text.
  int FindItem(const std::string& text) const;
  bool Select(int item) const;
  // The item's whole rectangle in the list's client area.
  RECT ItemRect(int item) const;

  // Mouse clicks, posted to the list as the mouse would send them. On an
  // item they aim at the middle of its icon; ClickAt aims anywhere (an empty
  // spot of the list, for example).
  void Click(int item) const;
  void DoubleClick(int item) const;
  void RightClick(int item) const;
  void ClickAt(POINT client, bool right = false) const;

 private:
  POINT ItemPoint(int item) const;
  HWND list_;
};

}  // namespace volmere::e2e
