#include "main_dialog.h"

#include "about_dialog.h"
#include "app_title.h"
#include "dialog_pictures.h"
#include "dpi.h"
#include "hash_command.h"
#include "long_command.h"
#include "parked_focus.h"
#include "plaintext_field.h"
#include "push_buttons.h"
#include "resource.h"
#include "window_placement.h"

namespace {

void ShowPicturesAt(HWND window, UINT dpi, bool atStart) {
  ShowDialogPictures(window, dpi, atStart);
  SetWindowIcons(window, dpi);
}

void OnMainInit(HWND window) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(APP_TITLE));
  PreparePlaintextField(GetDlgItem(window, IDC_PLAINTEXT));
  PreparePushButtons(window);
  ShowPicturesAt(window, WindowDpi(window), true);
  CenterOnDesktop(window);
}

void OnMainDestroy(HWND window) {
  FreeDialogPictures(window);
  FreeWindowIcons(window);
}

void RunAbout(HWND window) {
  // The executable's own module, not a null instance: the About box's picture controls
  // load the banner and icon from the module the dialog was created with.
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDlgProc,
                  0);
}

// During a long command the command gives up at once, rather than ending first.
void CloseMain(HWND window) {
  EndLongCommandSoon(CommandEnd::Closed);
  EndDialog(window, 0);
}

// While a long command takes a break, a button that cannot act now does nothing, then or
// later, whether the user or another program pressed it. What the dialog manager makes of
// Escape stops the command.
void OnCommandDuringLongCommand(HWND window, WORD id) {
  if (id == IDC_CANCEL) CloseMain(window);
  if (id == IDCANCEL) EndLongCommandSoon(CommandEnd::Stopped);
}

void OnMainCommand(HWND window, WPARAM wParam) {
  // Disabled, the dialog sits under the About box; a command that another program sends it
  // then would open a second box, or hash beneath the first.
  if (!IsWindowEnabled(window)) return;
  const WORD id = LOWORD(wParam);
  if (LongCommandRunning()) {
    OnCommandDuringLongCommand(window, id);
    return;
  }
  // Only the four buttons act; IDOK and IDCANCEL from the keyboard and the edit fields'
  // notifications all fall through.
  switch (id) {
    case IDC_MD2:
      RunHashCommand(window, HashAlgorithm::MD2);
      break;
    case IDC_ABOUT:
      RunAbout(window);
      break;
    case IDC_MD5:
      RunHashCommand(window, HashAlgorithm::MD5);
      break;
    case IDC_CANCEL:
      CloseMain(window);
      break;
    default:
      break;
  }
}

// A read-only edit control takes the colours a static control is given. The plaintext field is
// read-only only while a long command runs, and keeps the look of an editable field then.
INT_PTR EditableFieldColours(HWND window, HDC dc, HWND control) {
  if (control != GetDlgItem(window, IDC_PLAINTEXT)) return 0;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

// The wait cursor while a long command shows, wherever the cursor is over the dialog.
bool SetWaitCursor(HWND window, LPARAM lParam) {
  if (!LongCommandShowsWait() || static_cast<SHORT>(LOWORD(lParam)) == HTERROR) return false;
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
  return true;
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnMainInit(window);
      break;
    case WM_COMMAND:
      OnMainCommand(window, wParam);
      break;
    case WM_CLOSE:
      CloseMain(window);
      break;
    case WM_ACTIVATE:
      // TRUE, with a result of 0, keeps the dialog manager from setting the focus again.
      if (SetFocusOnActivate(window, wParam)) {
        SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      break;
    case WM_SETCURSOR:
      // TRUE keeps the system from setting its own cursor.
      if (SetWaitCursor(window, lParam)) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      // The brush, or 0 for the system's colours.
      return EditableFieldColours(window, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
    case WM_LBUTTONDOWN:
      BeginBodyDrag(window, lParam);
      break;
    case WM_DESTROY:
      OnMainDestroy(window);
      break;
    case kWmDpiChanged:
      RedrawPicturesLater(window, wParam);
      break;
    case kRedrawPictures:
      ShowPicturesAt(window, static_cast<UINT>(wParam), false);
      break;
    default:
      break;
  }
  // 0 for every other message, handled or not: no initial focus is set after WM_INITDIALOG
  // and the dialog manager's default handling always continues.
  return 0;
}
