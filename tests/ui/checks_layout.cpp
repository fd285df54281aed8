// Whether a dialog lays out cleanly at the display's present DPI: every control inside the
// dialog, every label on as many lines as its text has (a label too narrow for its font
// wraps a word onto a line it has no room for), and every button's caption inside it.
// The test command runs the driver at 96, 144 and 192 DPI.
#include <cstdio>
#include <string>

#include "driver_checks.h"

namespace {

struct Probe {
  HWND dialog;
  RECT client;
  HDC dc;
  int lineHeight;
  bool ok;
};

int LineCount(const std::string& text) {
  int lines = 1;
  for (char c : text) lines += c == '\n';
  return lines;
}

bool IsPicture(LONG_PTR style) {
  const LONG_PTR type = style & SS_TYPEMASK;
  return type == SS_BITMAP || type == SS_ICON;
}

// A picture control takes its picture's pixel size rather than its slot's, so at 96 DPI the
// 78-pixel banner hangs a few pixels past its 46-unit slot, and in the About box past the
// dialog's edge, which cuts only plain background. Pictures must start inside the dialog;
// their overhang is reported, not failed.
void CheckInsideDialog(Probe& probe, HWND control, int id, bool picture) {
  RECT r = {};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, probe.dialog, reinterpret_cast<POINT*>(&r), 2);
  const long overRight = r.right - probe.client.right;
  const long overBottom = r.bottom - probe.client.bottom;
  const bool starts = r.left >= 0 && r.top >= 0;
  if (picture && starts && (overRight > 0 || overBottom > 0)) {
    std::printf("  picture %d hangs %ld,%ld pixels past the dialog\n", id,
                overRight > 0 ? overRight : 0, overBottom > 0 ? overBottom : 0);
    return;
  }
  probe.ok &= Expect(starts && overRight <= 0 && overBottom <= 0,
                     "control %d at %ld,%ld..%ld,%ld runs past the dialog's %ldx%ld", id,
                     r.left, r.top, r.right, r.bottom, probe.client.right, probe.client.bottom);
}

void CheckLabelFits(Probe& probe, HWND control, int id, const std::string& text) {
  RECT room = {};
  GetClientRect(control, &room);
  RECT need = {0, 0, room.right, 0};
  DrawTextA(probe.dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  const int lines = need.bottom / probe.lineHeight;
  probe.ok &= Expect(lines == LineCount(text), "label %d \"%s\" takes %d lines in %ld pixels",
                     id, text.c_str(), lines, room.right);
}

void CheckCaptionFits(Probe& probe, HWND control, int id, const std::string& text) {
  RECT room = {};
  GetClientRect(control, &room);
  RECT need = {};
  DrawTextA(probe.dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
  probe.ok &= Expect(need.right < room.right && need.bottom <= room.bottom,
                     "caption of %d \"%s\" needs %ldx%ld, has %ldx%ld", id, text.c_str(),
                     need.right, need.bottom, room.right, room.bottom);
}

BOOL CALLBACK ProbeControl(HWND control, LPARAM param) {
  auto& probe = *reinterpret_cast<Probe*>(param);
  const int id = GetDlgCtrlID(control);
  char cls[16] = {};
  GetClassNameA(control, cls, sizeof cls);
  const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
  const bool isStatic = _stricmp(cls, "Static") == 0;
  CheckInsideDialog(probe, control, id, isStatic && IsPicture(style));
  const std::string text = ReadText(control);
  if (text.empty()) return TRUE;
  if (isStatic && (style & SS_TYPEMASK) == SS_LEFT)
    CheckLabelFits(probe, control, id, text);
  if (_stricmp(cls, "Button") == 0) CheckCaptionFits(probe, control, id, text);
  return TRUE;
}

}  // namespace

bool LaysOutCleanly(HWND dialog) {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  // The dialogs' font, at the size the system gives it at this DPI.
  HFONT font = CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  Probe probe = {dialog, {}, dc, metrics.tmHeight, true};
  GetClientRect(dialog, &probe.client);
  std::printf("  %d DPI, client %ldx%ld\n", dpi, probe.client.right, probe.client.bottom);
  EnumChildWindows(dialog, ProbeControl, reinterpret_cast<LPARAM>(&probe));
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return probe.ok;
}
