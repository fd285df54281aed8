#include <algorithm>
#include <cstdio>
#include <string>

#include "app_title.h"
#include "driver_checks.h"
#include "driver_input.h"
#include "resource.h"

namespace {

struct TextSearch {
  const char* text;
  bool found;
};

BOOL CALLBACK MatchChildText(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<TextSearch*>(param);
  search->found |= ReadText(child) == search->text;
  return !search->found;
}

bool HasChildWithText(HWND window, const char* text) {
  TextSearch search = {text, false};
  EnumChildWindows(window, MatchChildText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ExitsWithZero(Program* program) {
  DWORD code = 1;
  const bool ended = WaitForExit(program, kTimeoutMs, &code);
  return Expect(ended, "the program did not end") &&
         Expect(code == 0, "exit code %lu", static_cast<unsigned long>(code));
}

// Ends the copy the session drives, if any, and starts a new one; false if no main window
// comes up.
bool StartFreshCopy(Session& s) {
  EndProgram(&s.program);
  if (!StartProgram(s.exe, "", &s.program)) return false;
  s.main = WaitForDialog(s.program, APP_TITLE, kStartTimeoutMs);
  return Expect(s.main != nullptr, "no main window; \"Duplicate\" box shown: %s",
                WaitForDialog(s.program, "Duplicate", 0) != nullptr ? "yes" : "no");
}

// Starts MD2 of a long text and waits for its progress; returns the share shown then, or -1.
int ProgressOfLongMD2(Session& s) {
  HWND field = GetDlgItem(s.main, IDC_PLAINTEXT);
  const std::string ascii = LongAsciiText(16 << 20);
  const std::wstring text(ascii.begin(), ascii.end());
  if (!Expect(PasteIntoEmptyField(field, text, false), "cannot fill the clipboard")) return -1;
  WaitUntil([&] { return TextLengthOf(field) == text.size(); }, kStartTimeoutMs);
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  WriteText(hash, "");
  ClickLater(s.main, IDC_MD2);
  int shown = -1;
  WaitUntil([&] { return (shown = PercentShown(hash)) >= 0; }, kTimeoutMs);
  return shown;
}

// A real click on Cancel while MD2 of a long text runs; what the hash field shows until the
// program has gone tells whether the command went on meanwhile.
bool CancelledDuringMD2(Session& s) {
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  const int before = ProgressOfLongMD2(s);
  ClickAndType(CentreOf(GetDlgItem(s.main, IDC_CANCEL)), "");
  const DWORD clicked = GetTickCount();
  int highest = before;
  while (IsRunning(s.program) && GetTickCount() - clicked < kTimeoutMs) {
    if (IsWindowVisible(s.main)) highest = std::max(highest, PercentShown(hash));
    Sleep(10);
  }
  std::printf("  Cancel clicked at %d%% of MD2; highest shown afterwards %d%%; ended %lu ms later\n",
              before, highest, GetTickCount() - clicked);
  return Expect(before >= 0 && before < 100, "MD2 showed no progress") &
         Expect(highest < 100 && highest <= before + 30, "MD2 went on after Cancel");
}

// A plain c after a click on MD5, as typed by a user going on with the text, is not Cancel's
// access key.
bool PlainCEndsNothing(Session& s) {
  WriteItemText(s.main, IDC_PLAINTEXT, "abc");
  LeftClickAt(CentreOf(GetDlgItem(s.main, IDC_MD5)));
  TypeLetters("c");
  return Expect(IsRunning(s.program) && IsWindowVisible(s.main),
                "a plain c after a click on MD5 ended the program") &&
         ExpectText(ReadItemText(s.main, IDC_PLAINTEXT), "abc", "plaintext after c") &
         ExpectText(ReadItemText(s.main, IDC_HASH), "900150983CD24FB0D6963F7D28E17F72",
                    "hash field after c");
}

}  // namespace

bool CheckSecondCopyDuplicate(Session& s) {
  if (!HaveMain(s)) return false;
  WriteItemText(s.main, IDC_PLAINTEXT, "first copy");
  Click(s.main, IDC_MD5);
  const std::string hashBefore = ReadItemText(s.main, IDC_HASH);

  Program second = {};
  if (!StartProgram(s.exe, "", &second)) return false;
  HWND box = WaitForDialog(second, "Duplicate", kStartTimeoutMs);
  bool ok = Expect(box != nullptr, "no \"Duplicate\" box appeared");
  if (box != nullptr) {
    ok &= Expect(HasChildWithText(box, "Another copy of this program is already running"),
                 "the box does not say that another copy runs");
    ok &= Expect(FindOtherWindow(second, box) == nullptr, "the second copy shows more windows");
  }
  ok &= Expect(IsRunning(s.program) && IsWindowVisible(s.main), "the first copy went away");
  ok &= ExpectText(ReadItemText(s.main, IDC_PLAINTEXT), "first copy", "first copy's plaintext");
  ok &= ExpectText(ReadItemText(s.main, IDC_HASH), hashBefore, "first copy's hash field");

  // The box left open, the first copy closed: no copy runs, and a third starts as the first.
  PostMessageA(s.main, WM_CLOSE, 0, 0);
  ok &= ExitsWithZero(&s.program) && StartFreshCopy(s);
  if (box != nullptr) {
    ClickLater(box, IDOK);
    ok &= ExitsWithZero(&second);
  }
  EndProgram(&second);
  return ok;
}

bool CheckCancelExitsZero(Session& s) {
  if (!HaveMain(s)) return false;
  const bool ok = CancelledDuringMD2(s) & ExitsWithZero(&s.program);
  EndProgram(&s.program);
  s.main = nullptr;
  return ok;
}

bool CheckRestartAndCloseExitsZero(Session& s) {
  bool ok = StartFreshCopy(s);
  if (ok) {
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    ok = ExitsWithZero(&s.program);
  }
  EndProgram(&s.program);
  s.main = nullptr;
  return ok;
}

bool CheckKeysExitZero(Session& s) {
  bool ok = true;
  for (WORD key : {WORD{'C'}, WORD{VK_F4}}) {
    if (!StartFreshCopy(s)) return false;
    if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
    // Alt+C on the idle window, after a plain c; Alt+F4 while MD2 shows its progress.
    if (key == 'C') ok &= PlainCEndsNothing(s);
    if (key == VK_F4) {
      const int shown = ProgressOfLongMD2(s);
      ok &= Expect(shown >= 0 && shown < 100, "MD2 showed no progress");
    }
    PressChord(VK_MENU, key);
    ok &= ExitsWithZero(&s.program);
    EndProgram(&s.program);
    s.main = nullptr;
  }
  return ok;
}
