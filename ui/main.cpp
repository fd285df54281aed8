#include <windows.h>

#include "app_title.h"
#include "common_controls.h"
#include "dll_search.h"
#include "main_dialog.h"
#include "resource.h"
#include "stack_guard.h"

namespace {

constexpr char kDuplicateText[] = "Another copy of this program is already running";
constexpr char kDuplicateCaption[] = "Duplicate";
constexpr char kNoWindowText[] = "The program's window could not be created.";

// The running copy never closes its handle: the name stays taken until the process ends. A
// duplicate gives the name up at once, before its box, which the user may leave open: a
// box left standing after the first copy has gone must not keep out every later start.
bool AnotherCopyIsRunning() {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, APP_TITLE);
  const bool another = GetLastError() == ERROR_ALREADY_EXISTS;
  if (another && mutex != nullptr) CloseHandle(mutex);
  return another;
}

// Ending without a word would look exactly like a program that never started.
int NoWindow() {
  MessageBoxA(nullptr, kNoWindowText, APP_TITLE, MB_ICONERROR);
  return 0;
}

}  // namespace

// Unprotected by the stack guard, which it changes while its frame is live.
[[gnu::no_stack_protector]] int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ProtectDllSearch();
  SeedStackGuard();
  // Before the first window, the Duplicate box included.
  if (!LoadCommonControls()) return NoWindow();
  if (AnotherCopyIsRunning()) {
    MessageBoxA(nullptr, kDuplicateText, kDuplicateCaption, MB_ICONERROR);
    return 0;
  }
  if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc, 0) == -1)
    return NoWindow();
  return 0;
}
