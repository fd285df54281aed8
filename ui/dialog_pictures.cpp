#include "dialog_pictures.h"

namespace {

bool IsBitmapStatic(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  return lstrcmpiA(className, "Static") == 0 &&
         (GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

BOOL CALLBACK FreeBitmapOf(HWND control, LPARAM) {
  if (!IsBitmapStatic(control)) return TRUE;
  // A static control does not free a bitmap it loaded itself. Taking the bitmap out before
  // deleting it leaves the control nothing to draw or free, so this stays safe on a system
  // whose control does free it.
  const LRESULT bitmap = SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0);
  if (bitmap != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(bitmap));
  return TRUE;
}

}  // namespace

void FreeDialogBitmaps(HWND dialog) { EnumChildWindows(dialog, FreeBitmapOf, 0); }
