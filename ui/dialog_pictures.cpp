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
  // Windows' static control frees a bitmap it loaded itself as it is destroyed (only one set
  // with STM_SETIMAGE is the program's to free), but not every system's does: Wine's keeps
  // it, some 80 KB for every About box. Taken out first, the bitmap is the program's alone,
  // and deleting it is right on either.
  const LRESULT bitmap = SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0);
  if (bitmap != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(bitmap));
  return TRUE;
}

}  // namespace

void FreeDialogBitmaps(HWND dialog) { EnumChildWindows(dialog, FreeBitmapOf, 0); }
