// Drives the real program from outside, as a user or an accessibility tool would, and
// reports one PASS or FAIL line per check and a final count.
// Usage: driver.exe <path of MDHasher.exe> [directory for pictures] [code-page|brief]
// With "code-page" it runs only the checks whose outcome depends on the ANSI code page; with
// "brief", a short use of the program, for runs that watch something else about it.
#include <windows.h>

#include <objbase.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app_title.h"
#include "driver_checks.h"

namespace {

struct Check {
  const char* name;
  bool (*run)(Session&);
};

// Order matters: later checks build on the window state earlier ones leave behind
// (the About box must open after the main window was dragged away).
constexpr Check kChecks[] = {
    {"starts with stray arguments, titled and captionless", CheckStartsWithStrayArguments},
    {"main window centred on the desktop", CheckMainCentred},
    {"main window lays out cleanly", CheckMainLayout},
    {"MD5 button gives the RFC 1321 digests", CheckRfcVectorsMD5},
    {"MD2 button gives the RFC 1319 digests", CheckRfcVectorsMD2},
    {"a line break is hashed as CR LF", CheckLineBreakIsCrLf},
    {"a non-ASCII ANSI character is hashed as its byte", CheckAnsiCharacter},
    {"an empty field shows the prompt for both buttons", CheckEmptyFieldPrompt},
    {"the other button replaces the digest", CheckOtherButtonReplaces},
    {"long texts are hashed whole and left unchanged", CheckLongTextsWhole},
    {"long pastes and typing are kept and hashed whole", CheckLongPastesWhole},
    {"Unicode pastes: the code page's bytes, or a message", CheckUnicodePastes},
    {"picture of the main dialog", CheckPictureOfMain},
    {"long texts: hashed where they lie, the missing character named", CheckLongTextsInPlace},
    {"Enter in the plaintext field inserts a line break, Ctrl+A selects all",
     CheckEnterInsertsLineBreak},
    {"IDOK, IDCANCEL and Escape in the plaintext do nothing", CheckDialogKeysIgnored},
    {"the hash field is read-only, and copies", CheckHashFieldReadOnly},
    {"screen readers name both fields, and Tab visits all in order", CheckFieldNamesAndTabOrder},
    {"Alt+5, Alt+2 and Alt+A press their buttons", CheckMnemonics},
    {"a left drag on a free area or a label moves the window", CheckDragMovesWindow},
    {"About shows the six lines of its text, and holds off commands", CheckAboutText},
    {"About is centred on the desktop after a drag", CheckAboutCentredAfterDrag},
    {"About lays out cleanly", CheckAboutLayout},
    {"About shows its banner and icon", CheckAboutPictures},
    {"Finish returns with both fields unchanged", CheckAboutFinishReturns},
    {"closing About returns with both fields unchanged", CheckAboutCloseReturns},
    {"About opened 30 times keeps memory flat", CheckAboutMemoryFlat},
    {"a second copy shows only the Duplicate box, which keeps out no later copy",
     CheckSecondCopyDuplicate},
    {"Cancel ends the program at once with exit code 0, during MD2 too", CheckCancelExitsZero},
    {"a new copy starts, and closing it exits with 0", CheckRestartAndCloseExitsZero},
    {"Alt+C, and Alt+F4 during MD2, end a fresh copy with exit code 0; a plain c does not",
     CheckKeysExitZero},
    {"with the older edit control, typed and pasted texts hash right", CheckOlderControls},
};

constexpr Check kCodePageChecks[] = {
    {"starts with stray arguments, titled and captionless", CheckStartsWithStrayArguments},
    {"Unicode pastes: the code page's bytes, or a message", CheckUnicodePastes},
    {"with the older edit control, typed and pasted texts hash right", CheckOlderControls},
};

constexpr Check kBriefChecks[] = {
    {"starts with stray arguments, titled and captionless", CheckStartsWithStrayArguments},
    {"MD5 button gives the RFC 1321 digests", CheckRfcVectorsMD5},
    {"MD2 button gives the RFC 1319 digests", CheckRfcVectorsMD2},
    {"screen readers name both fields, and Tab visits all in order", CheckFieldNamesAndTabOrder},
    {"About shows the six lines of its text, and holds off commands", CheckAboutText},
    {"Finish returns with both fields unchanged", CheckAboutFinishReturns},
    {"Cancel ends the program at once with exit code 0, during MD2 too", CheckCancelExitsZero},
};

template <size_t N>
int RunChecks(Session& session, const Check (&checks)[N]) {
  int failed = 0;
  for (const Check& check : checks) {
    const DWORD start = GetTickCount();
    const bool ok = check.run(session);
    std::printf("%s %s (%lu ms)\n", ok ? "PASS" : "FAIL", check.name, GetTickCount() - start);
    failed += ok ? 0 : 1;
  }
  std::printf("%d passed, %d failed\n", static_cast<int>(N) - failed, failed);
  return failed;
}

}  // namespace

bool Expect(bool ok, const char* detail, ...) {
  if (ok) return true;
  std::va_list args;
  va_start(args, detail);
  std::printf("  ");
  std::vprintf(detail, args);
  std::printf("\n");
  va_end(args);
  return false;
}

bool ExpectText(const std::string& got, const std::string& want, const char* what) {
  if (got == want) return true;
  constexpr size_t kShown = 60;
  std::printf("  %s: got %zu chars \"%s\"%s, want %zu chars \"%s\"%s\n", what, got.size(),
              got.substr(0, kShown).c_str(), got.size() > kShown ? "..." : "", want.size(),
              want.substr(0, kShown).c_str(), want.size() > kShown ? "..." : "");
  return false;
}

bool HaveMain(Session& session) {
  if (session.main != nullptr && IsWindow(session.main)) return true;
  // An earlier failure took the window away; a fresh copy keeps the later checks telling,
  // but a program that never comes up must not cost a start-up timeout for every check.
  static int restartsLeft = 3;
  if (restartsLeft == 0) return Expect(false, "no main window to drive");
  restartsLeft--;
  std::printf("  (starting a fresh copy: the previous one is gone)\n");
  EndProgram(&session.program);
  if (StartProgram(session.exe, "", &session.program))
    session.main = WaitForDialog(session.program, APP_TITLE, kStartTimeoutMs);
  return Expect(session.main != nullptr, "no main window to drive");
}

std::string LongAsciiText(size_t length) {
  std::string text(length, ' ');
  for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('!' + i * 7 % 94);
  for (size_t i = 998; i + 1 < length; i += 1000) text.replace(i, 2, "\r\n");
  return text;
}

int PercentShown(HWND hash) {
  const std::string text = ReadText(hash);
  if (text.rfind("Hashing: ", 0) == 0) return std::atoi(text.c_str() + 9);
  return text.size() == 32 ? 100 : -1;
}

POINT CentredOnDesktop(HWND window) {
  RECT own = {};
  RECT desktop = {};
  GetWindowRect(window, &own);
  GetWindowRect(GetDesktopWindow(), &desktop);
  const int w = own.right - own.left;
  const int h = own.bottom - own.top;
  return {(desktop.left + desktop.right - w) / 2, (desktop.top + desktop.bottom - h) / 2};
}

bool IsCentredOnDesktop(HWND window) {
  RECT own = {};
  GetWindowRect(window, &own);
  const POINT centred = CentredOnDesktop(window);
  return Expect(own.left == centred.x && own.top == centred.y,
                "at %ld,%ld size %ldx%ld; centred would be %ld,%ld", own.left, own.top,
                own.right - own.left, own.bottom - own.top, centred.x, centred.y);
}

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  // Active Accessibility, which the screen-reader check asks, runs on COM.
  CoInitialize(nullptr);
  // Measures in real pixels at the display's real DPI, as the program (DPI aware) draws.
  SetProcessDPIAware();
  if (argc < 2) {
    std::printf("usage: %s <MDHasher.exe> [picture directory] [code-page|brief]\n", argv[0]);
    return 2;
  }
  Session session = {argv[1], argc > 2 ? argv[2] : nullptr, {}, nullptr};
  std::printf("ANSI code page %u\n", GetACP());

  const char* subset = argc > 3 ? argv[3] : "";
  const int failed = std::strcmp(subset, "code-page") == 0 ? RunChecks(session, kCodePageChecks)
                     : std::strcmp(subset, "brief") == 0   ? RunChecks(session, kBriefChecks)
                                                           : RunChecks(session, kChecks);
  EndProgram(&session.program);
  return failed == 0 ? 0 : 1;
}
