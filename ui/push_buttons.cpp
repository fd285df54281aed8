#include "push_buttons.h"

#include "common_controls.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kPushButtons[] = {IDC_MD2, IDC_MD5, IDC_ABOUT, IDC_CANCEL};

// Cancel's access key, "&Cancel".
bool IsCancelLetter(WPARAM character) { return character == 'c' || character == 'C'; }

// While a push button has the focus, the dialog manager takes a letter typed for the access
// key it names, Alt or no Alt. Cancel's would end the program, and the text with it, on one
// letter typed in the wrong place: after a click on MD5, say, with the next word in mind. So
// the buttons claim that character as one they take themselves, and do nothing with it. Alt+C
// comes as a system character, which stays Cancel's; 2, 5 and A keep their buttons.
LRESULT CALLBACK PushButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR) {
  if (message == WM_CHAR && IsCancelLetter(wParam)) return 0;
  if (message == WM_NCDESTROY) CommonControls().removeWindowSubclass(button, PushButtonProc, id);
  const LRESULT code = CommonControls().defSubclassProc(button, message, wParam, lParam);
  // The dialog manager asks with the message it is about to handle.
  const auto* asked = reinterpret_cast<const MSG*>(lParam);
  if (message == WM_GETDLGCODE && asked != nullptr && asked->message == WM_CHAR &&
      IsCancelLetter(asked->wParam))
    return code | DLGC_WANTCHARS;
  return code;
}

}  // namespace

void PreparePushButtons(HWND dialog) {
  for (const int id : kPushButtons)
    CommonControls().setWindowSubclass(GetDlgItem(dialog, id), PushButtonProc, kSubclassId, 0);
}
