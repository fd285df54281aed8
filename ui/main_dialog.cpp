#include "main_dialog.h"

#include "about_dialog.h"
#include "app_title.h"
#include "dialog_pictures.h"
#include "dpi.h"
#include "hash_command.h"
#include "plaintext_field.h"
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

void OnMainCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  // A button pressed by a message that another program sent while a long hash command lets
  // the system through acts after the command, as a click of the user's would.
  if (HashCommandRunning() && id >= IDC_MD2 && id <= IDC_CANCEL) {
    PostMessageA(window, WM_COMMAND, wParam, lParam);
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
      EndDialog(window, 0);
      break;
    default:
      break;
  }
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnMainInit(window);
      break;
    case WM_COMMAND:
      OnMainCommand(window, wParam, lParam);
      break;
    case WM_CLOSE:
      EndDialog(window, 0);
      break;
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
  // 0 for every message, handled or not: no initial focus is set after WM_INITDIALOG and
  // the dialog manager's default handling always continues.
  return 0;
}
