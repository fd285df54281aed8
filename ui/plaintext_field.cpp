#include "plaintext_field.h"

namespace {

LRESULT CALLBACK PlaintextFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  // A multi-line edit control in a dialog answers Escape by closing the dialog, which would
  // throw the typed text away; everywhere else in this dialog Escape does nothing, so here
  // too. The key arrives as a key press and, on some systems, as a character as well.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  const auto standard = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_USERDATA));
  return CallWindowProcW(standard, field, message, wParam, lParam);
}

}  // namespace

void PreparePlaintextField(HWND field) {
  // Without this the control keeps only the first 30000 or so characters of a paste.
  SendMessageA(field, EM_SETLIMITTEXT, 0, 0);
  // The Unicode form of the call keeps the field's text Unicode; the ANSI form would turn
  // it into ANSI and replace what the code page lacks before anyone could notice.
  SetWindowLongPtrW(field, GWLP_USERDATA, GetWindowLongPtrW(field, GWLP_WNDPROC));
  SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PlaintextFieldProc));
}
