#include "dialog_pictures.h"

#include "artwork.h"
#include "dpi.h"
#include "drawn_pictures.h"

namespace {

// Marks the icon a picture control holds as one of the program's: the icon the control loads
// from the resources itself is shared, and must never be destroyed.
constexpr char kOwnIcon[] = "MDHasher.OwnIcon";

// The big icon shows in Alt+Tab, the small one on the taskbar button and in the window menu.
struct WindowIcon {
  WPARAM which;
  int metric;
};
constexpr WindowIcon kWindowIcons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};

struct PictureChange {
  UINT dpi;
  bool atStart;
};

LONG_PTR PictureType(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return -1;
  return GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK;
}

void PutBitmap(HWND control, HBITMAP bitmap) {
  // Taken out, the old bitmap is the program's alone to free, whether the control loaded it
  // or it was drawn here. Windows' static control frees a bitmap it loaded itself only if it
  // still holds it when it is destroyed, and Wine's does not at all.
  const LRESULT old = SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP,
                                   reinterpret_cast<LPARAM>(bitmap));
  if (old != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(old));
}

void PutIcon(HWND control, HICON icon) {
  const auto old = reinterpret_cast<HICON>(
      SendMessageA(control, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
  if (old != nullptr && old == GetPropA(control, kOwnIcon)) DestroyIcon(old);
  if (icon != nullptr)
    SetPropA(control, kOwnIcon, icon);
  else
    RemovePropA(control, kOwnIcon);
}

// The window's icons are all the program's own: a dialog has none until it sets them.
void PutWindowIcon(HWND window, WPARAM which, HICON icon) {
  const LRESULT old = SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  if (old != 0) DestroyIcon(reinterpret_cast<HICON>(old));
}

BOOL CALLBACK ShowPictureOf(HWND control, LPARAM param) {
  const auto& change = *reinterpret_cast<const PictureChange*>(param);
  const LONG_PTR type = PictureType(control);
  if (type == SS_BITMAP && !(change.atStart && change.dpi == kDefaultDpi)) {
    if (HBITMAP banner = MakeBannerBitmap(change.dpi)) PutBitmap(control, banner);
  } else if (type == SS_ICON) {
    const int side = MulDiv(kIconSide, static_cast<int>(change.dpi), kDefaultDpi);
    if (HICON icon = MakeAppIcon(side)) PutIcon(control, icon);
  }
  return TRUE;
}

BOOL CALLBACK FreePictureOf(HWND control, LPARAM) {
  const LONG_PTR type = PictureType(control);
  if (type == SS_BITMAP) PutBitmap(control, nullptr);
  if (type == SS_ICON) PutIcon(control, nullptr);
  return TRUE;
}

}  // namespace

void ShowDialogPictures(HWND dialog, UINT dpi, bool atStart) {
  PictureChange change = {dpi, atStart};
  EnumChildWindows(dialog, ShowPictureOf, reinterpret_cast<LPARAM>(&change));
}

void RedrawPicturesLater(HWND dialog, WPARAM dpiChanged) {
  PostMessageA(dialog, kRedrawPictures, LOWORD(dpiChanged), 0);
}

void FreeDialogPictures(HWND dialog) { EnumChildWindows(dialog, FreePictureOf, 0); }

void SetWindowIcons(HWND window, UINT dpi) {
  for (const WindowIcon& slot : kWindowIcons)
    PutWindowIcon(window, slot.which, MakeAppIcon(SystemMetricAt(slot.metric, dpi)));
}

void FreeWindowIcons(HWND window) {
  for (const WindowIcon& slot : kWindowIcons) PutWindowIcon(window, slot.which, nullptr);
}
