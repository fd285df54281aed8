#include <oleacc.h>

#include <cstdio>
#include <string>

#include "driver_checks.h"
#include "driver_input.h"
#include "resource.h"

namespace {

// Drag distances: far enough that the About box, centred on the desktop, cannot coincide
// with its owner by chance.
constexpr int kDragX = -170;
constexpr int kDragY = -110;
// Less than the first drag, so the window stays away from the centre.
constexpr int kLabelDragX = 40;
constexpr int kLabelDragY = 30;

bool ShowsDigest(HWND main, int button) {
  WriteItemText(main, IDC_PLAINTEXT, "abc");
  WriteItemText(main, IDC_HASH, "");
  Click(main, button);
  return ReadItemText(main, IDC_HASH).size() == 32;
}

bool WaitForText(HWND window, const std::string& want) {
  return WaitUntil([&] { return ReadText(window) == want; }, kTimeoutMs);
}

// Drags with the left button from a point of the window's by dx, dy; the window must follow
// by exactly that much and keep its size.
bool DragsBy(HWND window, POINT from, int dx, int dy) {
  RECT before = {};
  GetWindowRect(window, &before);
  LeftDrag(from, {from.x + dx, from.y + dy});
  RECT after = {};
  WaitUntil(
      [&] {
        GetWindowRect(window, &after);
        return after.left == before.left + dx && after.top == before.top + dy;
      },
      kTimeoutMs);
  std::printf("  dragged from %ld,%ld to %ld,%ld\n", before.left, before.top, after.left,
              after.top);
  return Expect(after.left - before.left == dx && after.top - before.top == dy,
                "moved by %ld,%ld, dragged by %d,%d", after.left - before.left,
                after.top - before.top, dx, dy) &
         Expect(after.right - after.left == before.right - before.left &&
                    after.bottom - after.top == before.bottom - before.top,
                "the size changed");
}

std::string ClipboardText() {
  std::string text;
  if (!OpenDriverClipboard()) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// The name a screen reader announces for a control, as Active Accessibility gives it.
std::string AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible))))
    return "<no accessible object>";
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::string text = "<no name>";
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    char ansi[256] = {};
    WideCharToMultiByte(CP_ACP, 0, name, -1, ansi, sizeof ansi - 1, nullptr, nullptr);
    text = ansi;
  }
  SysFreeString(name);
  accessible->Release();
  return text;
}

}  // namespace

bool CheckFieldNamesAndTabOrder(Session& s) {
  if (!HaveMain(s)) return false;
  bool ok = ExpectText(AccessibleName(GetDlgItem(s.main, IDC_PLAINTEXT)), "Plaintext:",
                       "the plaintext field's name");
  ok &= ExpectText(AccessibleName(GetDlgItem(s.main, IDC_HASH)), "Hash:", "the hash field's name");
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  LeftClickAt(CentreOf(GetDlgItem(s.main, IDC_PLAINTEXT)));
  for (int id : {IDC_HASH, IDC_MD2, IDC_MD5, IDC_ABOUT, IDC_CANCEL, IDC_PLAINTEXT}) {
    PressKey(VK_TAB);
    const int focused = GetDlgCtrlID(FocusIn(s.main));
    ok &= Expect(focused == id, "Tab went to control %d, not %d", focused, id);
  }
  return ok;
}

bool CheckEnterInsertsLineBreak(Session& s) {
  if (!HaveMain(s)) return false;
  HWND plaintext = GetDlgItem(s.main, IDC_PLAINTEXT);
  if (!Expect(ShowsDigest(s.main, IDC_MD5), "no digest to compare with")) return false;
  const std::string digest = ReadItemText(s.main, IDC_HASH);
  WriteText(plaintext, "ab");
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  ClickToEnd(plaintext);
  PressKey(VK_RETURN);
  TypeLetters("c");
  WaitForText(plaintext, "ab\r\nc");
  bool ok = ExpectText(ReadText(plaintext), "ab\r\nc", "plaintext") &
            ExpectText(ReadItemText(s.main, IDC_HASH), digest, "hash field after Enter");
  // Ctrl+A selects it all, and what is typed next replaces it.
  PressChord(VK_CONTROL, 'A');
  TypeLetters("d");
  WaitForText(plaintext, "d");
  return ok & ExpectText(ReadText(plaintext), "d", "plaintext after Ctrl+A and d") &
         Expect(IsRunning(s.program), "the program ended");
}

bool CheckDialogKeysIgnored(Session& s) {
  if (!HaveMain(s)) return false;
  if (!Expect(ShowsDigest(s.main, IDC_MD5), "no digest to compare with")) return false;
  const std::string digest = ReadItemText(s.main, IDC_HASH);
  // What the dialog manager sends for Enter and Esc when no control takes them.
  for (WPARAM id : {IDOK, IDCANCEL}) PostMessageA(s.main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  Settle();
  // Escape pressed in the plaintext field, which a multi-line edit control would otherwise
  // answer by closing the dialog.
  HWND plaintext = GetDlgItem(s.main, IDC_PLAINTEXT);
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  ClickToEnd(plaintext);
  PressKey(VK_ESCAPE);
  Settle();
  return Expect(IsRunning(s.program) && IsWindowVisible(s.main), "the program ended") &&
         ExpectText(ReadText(plaintext), "abc", "plaintext") &
         ExpectText(ReadItemText(s.main, IDC_HASH), digest, "hash field");
}

bool CheckHashFieldReadOnly(Session& s) {
  if (!HaveMain(s)) return false;
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  HWND plaintext = GetDlgItem(s.main, IDC_PLAINTEXT);
  bool ok = Expect((GetWindowLongPtrA(hash, GWL_STYLE) & ES_READONLY) != 0, "not ES_READONLY");
  ok &= Expect(ShowsDigest(s.main, IDC_MD2), "no digest to type over");
  const std::string digest = ReadText(hash);
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  // The same keys into the plaintext field prove that typing reaches the window at all.
  ClickToEnd(plaintext);
  TypeLetters("xy");
  ok &= Expect(WaitForText(plaintext, "abcxy"), "typing did not reach the plaintext field");
  ClickToEnd(hash);
  TypeLetters("xy");
  PressKey(VK_BACK);
  PressKey(VK_DELETE);
  PressChord(VK_CONTROL, 'V');
  ok &= ExpectText(ReadText(hash), digest, "hash field after typing");
  // Read-only, but the digest can still be selected and copied.
  if (OpenDriverClipboard()) {
    EmptyClipboard();
    CloseClipboard();
  }
  SendMessageA(hash, EM_SETSEL, 0, -1);
  PressChord(VK_CONTROL, 'C');
  std::string copied;
  WaitUntil([&] { return (copied = ClipboardText()) == digest; }, kTimeoutMs);
  return ok & ExpectText(copied, digest, "clipboard after Ctrl+C in the hash field");
}

bool CheckMnemonics(Session& s) {
  if (!HaveMain(s)) return false;
  WriteItemText(s.main, IDC_PLAINTEXT, "abc");
  WriteItemText(s.main, IDC_HASH, "");
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  LeftClickAt(CentreOf(GetDlgItem(s.main, IDC_PLAINTEXT)));
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  PressChord(VK_MENU, '5');
  bool ok = Expect(WaitForText(hash, "900150983CD24FB0D6963F7D28E17F72"), "Alt+5: hash \"%s\"",
                   ReadText(hash).c_str());
  PressChord(VK_MENU, '2');
  ok &= Expect(WaitForText(hash, "DA853B0D3F88D99B30283A69E6DED6BB"), "Alt+2: hash \"%s\"",
               ReadText(hash).c_str());
  PressChord(VK_MENU, 'A');
  HWND about = WaitForDialog(s.program, "", kTimeoutMs, s.main);
  ok &= Expect(about != nullptr, "Alt+A opened no About box");
  if (about != nullptr) {
    PostMessageA(about, WM_CLOSE, 0, 0);
    ok &= Expect(WaitForWindowGone(about, kTimeoutMs), "the About box stayed open");
  }
  return ok;
}

bool CheckDragMovesWindow(Session& s) {
  if (!HaveMain(s)) return false;
  // Just below the Cancel button and above the group box: the dialog's own free area.
  RECT cancel = {};
  GetWindowRect(GetDlgItem(s.main, IDC_CANCEL), &cancel);
  const POINT free = {cancel.left + 4, cancel.bottom + 4};
  if (!Expect(WindowFromPoint(free) == s.main, "the press point %ld,%ld is not free", free.x,
              free.y))
    return false;
  bool ok = DragsBy(s.main, free, kDragX, kDragY);
  // A label passes the press on to the dialog, so it drags the window too.
  HWND label = FindWindowExA(s.main, nullptr, "Static", "Plaintext:");
  if (!Expect(label != nullptr, "no \"Plaintext:\" label")) return false;
  return ok & DragsBy(s.main, CentreOf(label), kLabelDragX, kLabelDragY);
}
