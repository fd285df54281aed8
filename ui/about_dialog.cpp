#include "about_dialog.h"

#include "app_title.h"
#include "dialog_pictures.h"
#include "dpi.h"
#include "resource.h"
#include "window_placement.h"

#define CRLF "\r\n"

const char ABOUT_TEXT[] =
    APP_TITLE_LITERAL CRLF
    "Implementations of the MD2 and MD5 algorithms." CRLF
    "MD2 and MD5 were designed by Ronald L. Rivest." CRLF
    CRLF
    "Written and tested by the Vexlin team." CRLF
    "Same text in, same digest out.";

namespace {

void OnAboutInit(HWND window) {
  SetDlgItemTextA(window, IDC_ABOUT_TEXT, ABOUT_TEXT);
  ShowDialogPictures(window, WindowDpi(window), true);
  CenterOnDesktop(window);
}

void OnAboutCommand(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == IDC_FINISH) EndDialog(window, 0);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnAboutInit(window);
      break;
    case WM_COMMAND:
      OnAboutCommand(window, wParam);
      break;
    case WM_CLOSE:
      EndDialog(window, 0);
      break;
    case WM_DESTROY:
      FreeDialogPictures(window);
      break;
    case kWmDpiChanged:
      RedrawPicturesLater(window, wParam);
      break;
    case kRedrawPictures:
      ShowDialogPictures(window, static_cast<UINT>(wParam), false);
      break;
    case WM_LBUTTONDOWN:
      BeginBodyDrag(window, lParam);
      break;
    default:
      break;
  }
  // Returning 0 even for handled messages keeps the dialog manager's default handling on,
  // and after WM_INITDIALOG leaves the focus where the system puts it.
  return 0;
}
