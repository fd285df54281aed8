#include "plaintext_field.h"

#include <commctrl.h>

#include "common_controls.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Asked of the subclass, which keeps the count of edits in its own data: setting the subclass
// again updates that data.
constexpr UINT kAskEdits = WM_APP + 1;
constexpr char kBeforeEdit[] = "MDHasher.BeforeEdit";

// Everything that can put other text into an edit control: typing and keys (Delete, Shift+
// Insert, Alt+Backspace undoes), input methods, the clipboard, and the messages a program
// sends. Counting a message that changed nothing costs only a second look.
bool MayChangeText(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_SYSCHAR:
    case WM_SYSKEYDOWN:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case EM_SETHANDLE:
    case EM_FMTLINES:
      return true;
    default:
      return false;
  }
}

bool OnlyCtrlHeld() {
  return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

// Windows' multi-line edit control ignores Ctrl+A. The key itself reaches the field whatever
// the dialog manager makes of the character it becomes, so it is answered here, and that
// character (^A) is dropped rather than typed. A read-only field is left to the control.
bool SelectAllOnCtrlA(HWND field, UINT message, WPARAM wParam) {
  constexpr WPARAM kCtrlACharacter = 1;
  const bool key = message == WM_KEYDOWN && wParam == 'A';
  const bool character = message == WM_CHAR && wParam == kCtrlACharacter;
  if ((!key && !character) || !OnlyCtrlHeld() ||
      (GetWindowLongPtrW(field, GWL_STYLE) & ES_READONLY) != 0)
    return false;
  if (key) SendMessageW(field, EM_SETSEL, 0, -1);
  return true;
}

void RunBeforeEditHook(HWND field) {
  const auto* hook = static_cast<const BeforeEdit*>(RemovePropA(field, kBeforeEdit));
  if (hook != nullptr) hook->call(hook->context);
}

LRESULT CALLBACK PlaintextFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR edits) {
  // A multi-line edit control in a dialog answers Escape by closing the dialog, which would
  // throw the typed text away; everywhere else in this dialog Escape does nothing, so here
  // too. The key arrives as a key press and, on some systems, as a character as well.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  if (SelectAllOnCtrlA(field, message, wParam)) return 0;
  if (message == kAskEdits) return static_cast<LRESULT>(edits);
  if (message == WM_NCDESTROY) {
    RemovePropA(field, kBeforeEdit);
    CommonControls().removeWindowSubclass(field, PlaintextFieldProc, id);
  }
  if (MayChangeText(message)) {
    RunBeforeEditHook(field);
    CommonControls().setWindowSubclass(field, PlaintextFieldProc, id, edits + 1);
  }
  return CommonControls().defSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void PreparePlaintextField(HWND field) {
  // Without this the control keeps only the first 30000 or so characters of a paste.
  SendMessageA(field, EM_SETLIMITTEXT, 0, 0);
  // The common controls subclass through the Unicode window procedure, which keeps the
  // field's text Unicode; an ANSI one would turn it into ANSI and replace what the code
  // page lacks before anyone could notice.
  CommonControls().setWindowSubclass(field, PlaintextFieldProc, kSubclassId, 0);
}

DWORD_PTR PlaintextEdits(HWND field) {
  return static_cast<DWORD_PTR>(SendMessageW(field, kAskEdits, 0, 0));
}

void SetPlaintextReadOnly(HWND field, bool readOnly) {
  // The control paints itself again for a read-only field's colours, which here are the same,
  // and a line of millions of characters takes it seconds to paint, far longer than a break
  // of a long command may last. A paint that was due already still comes.
  const bool due = GetUpdateRect(field, nullptr, FALSE) != FALSE;
  SendMessageW(field, EM_SETREADONLY, readOnly, 0);
  if (!due) ValidateRect(field, nullptr);
}

void CallBeforeNextEdit(HWND field, const BeforeEdit* hook) {
  if (hook == nullptr)
    RemovePropA(field, kBeforeEdit);
  else
    SetPropA(field, kBeforeEdit, const_cast<BeforeEdit*>(hook));
}
