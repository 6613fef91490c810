// The program's own input box: an in-memory dialog template whose texts are
// set once it exists, so the template itself holds no text at all.
#include <vector>

#include "platform/win32/modal_scope.h"

namespace volmere {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kFieldId = 101;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

class TemplateWriter {
 public:
  void Align() {
    while (words_.size() % 2) words_.push_back(0);
  }
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Word(WORD value) { words_.push_back(value); }
  void Wide(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD windowClass) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short value : {x, y, cx, cy}) Word(static_cast<WORD>(value));
    Word(id);
    Word(0xFFFF);
    Word(windowClass);
    Word(0);  // no text: set when the dialog starts
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct InputBox {
  const Text* prompt;
  const Text* title;
  const Text* initial;
  Text answer;
};

INT_PTR CALLBACK InputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<InputBox*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      box = reinterpret_cast<InputBox*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetWindowTextA(dialog, box->title->empty() ? "请输入：" : box->title->c_str());
      SetDlgItemTextA(dialog, kPromptId, box->prompt->c_str());
      SetDlgItemTextA(dialog, IDOK, "确认输入(&O)");
      SetDlgItemTextA(dialog, IDCANCEL, "取消(&C)");
      HWND field = GetDlgItem(dialog, kFieldId);
      SetWindowTextA(field, box->initial->c_str());
      SetFocus(field);
      SendMessageA(field, EM_SETSEL, 0, -1);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND field = GetDlgItem(dialog, kFieldId);
        std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
        GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
        box->answer = text.data();
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// Dialog units; the field stands alone when there is no prompt.
void WriteTemplate(TemplateWriter& out, bool withPrompt, bool masked) {
  const short fieldY = withPrompt ? 30 : 7;
  const short buttonsY = static_cast<short>(fieldY + 20);
  out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  out.Dword(0);
  out.Word(withPrompt ? 4 : 3);
  for (short value : {short(0), short(0), short(190), static_cast<short>(buttonsY + 21)})
    out.Word(static_cast<WORD>(value));
  out.Word(0);  // no menu
  out.Word(0);  // the standard dialog class
  out.Word(0);  // the caption is set when the dialog starts
  out.Word(9);
  out.Wide(L"MS Shell Dlg");
  if (withPrompt) out.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 176, 20, kPromptId, kStaticClass);
  out.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (masked ? ES_PASSWORD : 0), 7, fieldY, 176, 13,
           kFieldId, kEditClass);
  out.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 71, buttonsY, 56, 14, IDOK, kButtonClass);
  out.Item(BS_PUSHBUTTON | WS_TABSTOP, 131, buttonsY, 52, 14, IDCANCEL, kButtonClass);
}

}  // namespace

bool Win32System::AskText(const Text& prompt, const Text& title, const Text& initial, AskMode mode,
                          Text* answer) {
  bool confirmed = false;
  ui_->Run(
      [&] {
        TemplateWriter dialog;
        WriteTemplate(dialog, !prompt.empty(), mode == AskMasked);
        InputBox box{&prompt, &title, &initial, Text()};
        ModalScope scope(*ui_);
        const INT_PTR result =
            DialogBoxIndirectParamA(ui_->instance, dialog.get(), scope.active(), InputBoxProcedure,
                                    reinterpret_cast<LPARAM>(&box));
        if (result == IDOK) {
          if (answer) *answer = box.answer;
          confirmed = true;
        }
      },
      true);
  return confirmed;
}

}  // namespace volmere
