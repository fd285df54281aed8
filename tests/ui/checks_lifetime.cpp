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
    ClickLater(box, IDOK);
    ok &= ExitsWithZero(&second);
  }
  EndProgram(&second);

  ok &= Expect(IsRunning(s.program) && IsWindowVisible(s.main), "the first copy went away");
  ok &= ExpectText(ReadItemText(s.main, IDC_PLAINTEXT), "first copy", "first copy's plaintext");
  ok &= ExpectText(ReadItemText(s.main, IDC_HASH), hashBefore, "first copy's hash field");
  return ok;
}

bool CheckCancelExitsZero(Session& s) {
  if (!HaveMain(s)) return false;
  ClickLater(s.main, IDC_CANCEL);
  const bool ok = ExitsWithZero(&s.program);
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
    PressChord(VK_MENU, key);
    ok &= ExitsWithZero(&s.program);
    EndProgram(&s.program);
    s.main = nullptr;
  }
  return ok;
}
