// The pop-up menus of a window's layout, built afresh at every showing from
// the items that are visible now.
#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

const MenuLayout* MenuNamed(const WindowLayout& layout, const Text& name) {
  for (const MenuLayout& menu : layout.menus)
    if (name == menu.name) return &menu;
  return nullptr;
}

}  // namespace

void Win32System::SetMenuItemVisible(WindowId window, const Text& item, bool visible) {
  ui_->Run([&] {
    WindowRecord* record = ui_->Find(window);
    if (!record) return;
    auto it = record->menuItemVisible.find(item);
    if (it != record->menuItemVisible.end()) it->second = visible;
  });
}

void Win32System::PopupMenu(WindowId window, const Text& menu) {
  ui_->Run(
      [&] {
        WindowRecord* record = ui_->Find(window);
        const MenuLayout* layout = record ? MenuNamed(*record->layout, menu) : nullptr;
        if (!layout) return;
        HMENU popup = CreatePopupMenu();
        for (std::size_t i = 0; i < layout->items.size(); ++i) {
          const MenuItemLayout& item = layout->items[i];
          if (record->menuItemVisible[item.name])
            AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(i + 1), item.text);
        }
        POINT pointer{};
        GetCursorPos(&pointer);
        HWND owner = record->hwnd;
        // Without the foreground the menu would not close on a click outside.
        SetForegroundWindow(owner);
        const int chosen =
            TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                           pointer.x + 3, pointer.y + 3, 0, owner, nullptr);
        DestroyMenu(popup);
        PostMessageA(owner, WM_NULL, 0, 0);
        // The item's handler runs once the handler that showed the menu has
        // returned, as any later command would.
        if (chosen > 0)
          PostMessageA(owner, kMenuCommandMessage, 0,
                       reinterpret_cast<LPARAM>(layout->items[chosen - 1].name));
      },
      true);
}

}  // namespace volmere
