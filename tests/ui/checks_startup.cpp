#include <cstdio>

#include "app_title.h"
#include "driver_checks.h"

bool CheckStartsWithStrayArguments(Session& s) {
  if (!StartProgram(s.exe, "--stray /x \"two words\" 42", &s.program)) return false;
  s.main = WaitForDialog(s.program, APP_TITLE, kStartTimeoutMs);
  if (!Expect(s.main != nullptr, "no dialog titled \"%s\" appeared", APP_TITLE)) return false;

  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, APP_TITLE);
  const bool marked = mutex != nullptr;
  if (mutex != nullptr) CloseHandle(mutex);
  const LONG_PTR style = GetWindowLongPtrA(s.main, GWL_STYLE);
  return Expect(marked, "no mutex named \"%s\" while the program runs", APP_TITLE) &
         Expect((style & WS_CAPTION) != WS_CAPTION, "the window has a caption bar");
}

bool CheckMainCentred(Session& s) {
  if (!HaveMain(s)) return false;
  RECT r = {};
  GetWindowRect(s.main, &r);
  std::printf("  main window at %ld,%ld size %ldx%ld\n", r.left, r.top, r.right - r.left,
              r.bottom - r.top);
  return IsCentredOnDesktop(s.main);
}

bool CheckMainLayout(Session& s) { return HaveMain(s) && LaysOutCleanly(s.main); }
