// Creates a window and its controls from its layout table.
//
// How a driver finds things from outside the process:
// - a control's ID is its index in the layout table + 1000;
// - a named control carries the window property "VolmereControlName", a
//   global atom (GlobalGetAtomNameA) holding its layout name;
// - the window itself carries "VolmereWindowName", a global atom holding the
//   layout's name ("MainWindow"), and its caption is the layout's caption;
// - every control is a direct child of its window, also those of group boxes
//   and tab pages, and each starts with its text from the table.
#include <algorithm>

#include "platform/win32/ui_state.h"

namespace volmere {

const char* const kProgramWindowClass = "VolmereWindow";

namespace {

// Where a control stands in the window's client area, and the tab page (if
// any) that shows it.
struct Placement {
  int x = 0;
  int y = 0;
  int nesting = 0;  // how many containers it stands in
  int tab = -1;
  int page = 0;
  bool hidden = false;
};

int IndexOfName(const WindowLayout& layout, const Text& name) {
  for (std::size_t i = 0; i < layout.controls.size(); ++i)
    if (name == layout.controls[i].name) return static_cast<int>(i);
  return -1;
}

// Positions in the table are relative to the control's container, which may
// itself stand in another one (a group box on a tab page).
Placement PlacementOf(const WindowLayout& layout, std::size_t index, int depth = 0) {
  const ControlLayout& control = layout.controls[index];
  Placement placement;
  placement.x = control.x;
  placement.y = control.y;
  placement.hidden = (control.style & kHidden) != 0;
  Text parent = control.parent;
  // The depth bound stops a table whose containers name each other.
  if (parent.empty() || depth > 8) return placement;
  int page = -1;
  const std::size_t mark = parent.find('#');
  if (mark != Text::npos) {
    page = ToInteger(parent.substr(mark + 1));
    parent = parent.substr(0, mark);
  }
  const int container = IndexOfName(layout, parent);
  if (container < 0) return placement;
  Placement outer = PlacementOf(layout, static_cast<std::size_t>(container), depth + 1);
  placement.x += outer.x;
  placement.y += outer.y;
  placement.hidden = placement.hidden || outer.hidden;
  placement.nesting = outer.nesting + 1;
  if (page >= 0) {
    placement.tab = container;
    placement.page = page;
  } else {
    placement.tab = outer.tab;
    placement.page = outer.page;
  }
  return placement;
}

bool IsContainer(ControlKind kind) {
  return kind == ControlKind::GroupBox || kind == ControlKind::TabControl;
}

LRESULT CALLBACK DigitsAndMinusFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR) {
  if (message == WM_CHAR) {
    const unsigned character = static_cast<unsigned>(wParam);
    const bool control = character < 0x20;
    const bool allowed = (character >= '0' && character <= '9') || character == '-';
    if (!control && !allowed) {
      MessageBeep(MB_OK);
      return 0;
    }
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

struct ClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassOf(const ControlLayout& control, bool firstRadioOfGroup) {
  const unsigned flags = control.style;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  if (flags & kDisabled) style |= WS_DISABLED;
  if (flags & kBorder) style |= WS_BORDER;
  if (flags & kSunken) exStyle |= WS_EX_CLIENTEDGE;
  const char* className = "Static";
  switch (control.kind) {
    case ControlKind::Label:
      style |= SS_NOPREFIX | WS_GROUP;
      style |= (flags & kCenterText) ? SS_CENTER : ((flags & kWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP);
      if (flags & kNotifyClicks) style |= SS_NOTIFY;
      break;
    case ControlKind::Button:
      className = "Button";
      style |= BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::CheckBox:
      className = "Button";
      style |= BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::RadioButton:
      className = "Button";
      style |= BS_AUTORADIOBUTTON | BS_MULTILINE;
      if (firstRadioOfGroup) style |= WS_GROUP | WS_TABSTOP;
      break;
    case ControlKind::Edit:
      className = "Edit";
      style |= ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
      exStyle |= WS_EX_CLIENTEDGE;
      if (flags & kCenterText) style |= ES_CENTER;
      if (flags & kPassword) style |= ES_PASSWORD;
      break;
    case ControlKind::DropDownList:
      className = "ComboBox";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::IconList:
      className = WC_LISTVIEWA;
      style |=
          LVS_ICON | LVS_AUTOARRANGE | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::ReportList:
      className = WC_LISTVIEWA;
      style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | WS_TABSTOP | WS_GROUP;
      if (flags & kNoHeader) style |= LVS_NOCOLUMNHEADER;
      break;
    case ControlKind::GroupBox:
      className = "Button";
      style |= BS_GROUPBOX | WS_GROUP;
      break;
    case ControlKind::TabControl:
      className = WC_TABCONTROLA;
      style |= WS_TABSTOP | WS_GROUP;
      break;
  }
  return {className, style, exStyle};
}

HFONT OwnFontOf(const ControlLayout& control) {
  if (control.fontHeight <= 0) return nullptr;
  // Regular weight in the GB2312 character set and the default face: the
  // height is the characters' own height, hence negative.
  return CreateFontA(-control.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "");
}

void PrepareList(const ControlLayout& control, HWND list, HIMAGELIST images) {
  if (control.kind == ControlKind::IconList) {
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    return;
  }
  DWORD extended = LVS_EX_FULLROWSELECT;
  if (control.style & kGridLines) extended |= LVS_EX_GRIDLINES;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = control.columnWidth > 0 ? control.columnWidth : control.width;
  column.pszText = const_cast<char*>(control.text);
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void AddTabPages(const ControlLayout& control, HWND tabs) {
  int page = 0;
  for (const Text& title : SplitText(control.text, "|")) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title.c_str());
    SendMessageA(tabs, TCM_INSERTITEMA, page++, reinterpret_cast<LPARAM>(&item));
  }
}

// Tab order follows the z-order: the controls the table orders first, then
// the rest as listed, and the containers last, each below what stands in it
// (a group box above the tab control it stands on), so that no container
// paints over its contents.
void ArrangeZOrder(const WindowRecord& record, const std::vector<int>& nesting) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < record.controls.size(); ++i) order.push_back(i);
  auto rank = [&](std::size_t i) {
    const ControlLayout& control = *record.controls[i].layout;
    if (IsContainer(control.kind)) return 2;
    return control.tabOrder >= 0 ? 0 : 1;
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    if (rank(a) == 0)
      return record.controls[a].layout->tabOrder < record.controls[b].layout->tabOrder;
    if (rank(a) == 2) return nesting[a] > nesting[b];
    return false;
  });
  HWND previous = HWND_TOP;
  for (std::size_t i : order) {
    HWND control = record.controls[i].hwnd;
    SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
  }
}

void BuildControls(Win32System::UiState& ui, WindowRecord& record) {
  const WindowLayout& layout = *record.layout;
  int groupStart = -1;
  bool previousWasRadio = false;
  std::vector<int> nesting;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlLayout& control = layout.controls[i];
    const bool radio = control.kind == ControlKind::RadioButton;
    const bool firstOfGroup = radio && ((control.style & kGroupStart) || !previousWasRadio);
    if (firstOfGroup) groupStart = static_cast<int>(i);
    previousWasRadio = radio;

    const Placement placement = PlacementOf(layout, i);
    nesting.push_back(placement.nesting);
    const ClassAndStyle kind = ClassOf(control, firstOfGroup);
    int height = control.height;
    // A drop-down list's height in CreateWindow is that of its open list.
    if (control.kind == ControlKind::DropDownList) height += 200;
    HWND hwnd = CreateWindowExA(kind.exStyle, kind.className, control.text, kind.style, placement.x,
                                placement.y, control.width, height, record.hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
                                ui.instance, nullptr);
    ControlRecord made;
    made.layout = &control;
    made.hwnd = hwnd;
    made.tab = placement.tab;
    made.page = placement.page;
    made.hidden = placement.hidden;
    made.radioGroup = radio ? groupStart : -1;
    made.ownFont = OwnFontOf(control);
    SendMessageA(hwnd, WM_SETFONT,
                 reinterpret_cast<WPARAM>(made.ownFont ? made.ownFont : ui.controlFont), FALSE);
    if (*control.name) {
      made.nameAtom = GlobalAddAtomA(control.name);
      SetPropA(hwnd, "VolmereControlName",
               reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(made.nameAtom)));
      record.byName[control.name] = static_cast<int>(i);
    }
    if (control.style & kChecked) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (control.style & kDigitsAndMinus) SetWindowSubclass(hwnd, DigitsAndMinusFilter, 1, 0);
    if (control.kind == ControlKind::DropDownList)
      SendMessageA(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), control.height - 6);
    if (control.kind == ControlKind::IconList || control.kind == ControlKind::ReportList)
      PrepareList(control, hwnd, ui.computerImages);
    if (control.kind == ControlKind::TabControl) AddTabPages(control, hwnd);
    const bool onShownPage = placement.tab < 0 || placement.page == 0;
    if (!placement.hidden && onShownPage) ShowWindow(hwnd, SW_SHOWNA);
    record.controls.push_back(made);
  }
  ArrangeZOrder(record, nesting);
}

}  // namespace

HWND CreateProgramWindow(Win32System::UiState& ui, WindowRecord& record, HWND owner) {
  const WindowLayout& layout = *record.layout;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (layout.style & kMinimizeBox) style |= WS_MINIMIZEBOX;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - layout.outerWidth) / 2;
  const int y = work.top + (work.bottom - work.top - layout.outerHeight) / 2;
  // A window without an owner gets a task-bar button; the others are owned.
  HWND parent = (layout.style & kTaskBarButton) ? nullptr : owner;
  HWND window =
      CreateWindowExA(0, kProgramWindowClass, layout.caption, style, x, y, layout.outerWidth,
                      layout.outerHeight, parent, nullptr, ui.instance, &record);
  if (!window) return nullptr;
  record.nameAtom = GlobalAddAtomA(layout.name);
  SetPropA(window, "VolmereWindowName",
           reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(record.nameAtom)));
  BuildControls(ui, record);
  return window;
}

}  // namespace volmere
