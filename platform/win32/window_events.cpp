// The window procedure of the program's windows: what the user does with a
// control becomes a call of the window's WindowEvents, by control name.
#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

void OnControlCommand(WindowRecord& record, HWND control, int code) {
  ControlRecord* source = record.ControlOf(control);
  if (!source || !*source->layout->name) return;
  Win32System::UiState& ui = *record.ui;
  const Text name = source->layout->name;
  switch (source->layout->kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnCommand(name); });
      return;
    case ControlKind::RadioButton:
      if (code != BN_CLICKED) return;
      // The group is the table's, whatever the z-order says.
      for (ControlRecord& other : record.controls)
        if (&other != source && other.radioGroup == source->radioGroup)
          SendMessageA(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
      SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
      ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnCommand(name); });
      return;
    case ControlKind::DropDownList:
      if (code == CBN_SELCHANGE)
        ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnCommand(name); });
      return;
    case ControlKind::Edit:
      if (code == EN_SETFOCUS) ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnFocus(name); });
      return;
    case ControlKind::Label:
      // A static control reports the press of the mouse button itself; a
      // second press soon after comes as a double click.
      if ((source->layout->style & kNotifyClicks) && (code == STN_CLICKED || code == STN_DBLCLK))
        ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnCommand(name); });
      return;
    default:
      return;
  }
}

void OnControlNotify(WindowRecord& record, const NMHDR& header) {
  ControlRecord* source = record.ControlOf(header.hwndFrom);
  if (!source) return;
  Win32System::UiState& ui = *record.ui;
  const Text name = source->layout->name;
  if (source->layout->kind == ControlKind::TabControl) {
    if (header.code == TCN_SELCHANGE) {
      const int page = static_cast<int>(SendMessageA(source->hwnd, TCM_GETCURSEL, 0, 0));
      ui.ShowPage(record, static_cast<int>(source - record.controls.data()), page);
    }
    return;
  }
  if (source->layout->kind != ControlKind::IconList &&
      source->layout->kind != ControlKind::ReportList)
    return;
  ListEvent event;
  switch (header.code) {
    case NM_CLICK:
      event = ListEvent::Click;
      break;
    case NM_DBLCLK:
      event = ListEvent::DoubleClick;
      break;
    case NM_RCLICK:
      event = ListEvent::RightClick;
      break;
    default:
      return;
  }
  ui.Dispatch(record.id, [&](WindowEvents& e) { e.OnListEvent(name, event); });
}

// The colour of a tab control's page, read from the control's own painting:
// a themed page is not the window's face colour, and the controls standing on
// it, which are the window's children, must match it.
HBRUSH PageBrush(ControlRecord& tab) {
  if (tab.pageBrush) return tab.pageBrush;
  COLORREF colour = GetSysColor(COLOR_BTNFACE);
  RECT client{};
  GetClientRect(tab.hwnd, &client);
  HDC screen = GetDC(tab.hwnd);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageA(tab.hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
               PRF_CLIENT | PRF_ERASEBKGND);
  RECT page = client;
  SendMessageA(tab.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  const COLORREF sampled = GetPixel(memory, page.left + 4, page.top + 4);
  if (sampled != CLR_INVALID) colour = sampled;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(tab.hwnd, screen);
  tab.pageBrush = CreateSolidBrush(colour);
  return tab.pageBrush;
}

LRESULT OnControlColour(WindowRecord& record, HDC dc, HWND control, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  ControlRecord* source = record.ControlOf(control);
  if (!source) return DefWindowProcA(record.hwnd, message, wParam, lParam);
  const bool onPage = source->tab >= 0;
  if (!onPage && !source->layout->textColor && !(source->layout->style & kTransparent))
    return DefWindowProcA(record.hwnd, message, wParam, lParam);
  if (source->layout->textColor) SetTextColor(dc, source->layout->textColor);
  SetBkMode(dc, TRANSPARENT);
  if (onPage)
    return reinterpret_cast<LRESULT>(
        PageBrush(record.controls[static_cast<std::size_t>(source->tab)]));
  // The window's own background, so that a changed text leaves no trace.
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

LRESULT CALLBACK ProgramWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* record = static_cast<WindowRecord*>(create->lpCreateParams);
    if (record) {
      record->hwnd = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  WindowRecord* record = Win32System::UiState::RecordOf(window);
  if (!record) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (lParam && LOWORD(wParam) >= kFirstControlId)
        OnControlCommand(*record, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnControlNotify(*record, *reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(*record, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                             message, wParam, lParam);
    case kMenuCommandMessage: {
      const Text item = reinterpret_cast<const char*>(lParam);
      record->ui->Dispatch(record->id, [&](WindowEvents& e) { e.OnCommand(item); });
      return 0;
    }
    case WM_CLOSE:
      record->ui->RequestClose(record->id);
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      record->ui->Forget(record);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace volmere
