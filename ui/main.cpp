#include <windows.h>

#include "app_title.h"
#include "main_dialog.h"
#include "resource.h"

namespace {

constexpr char kDuplicateText[] = "Another copy of this program is already running";
constexpr char kDuplicateCaption[] = "Duplicate";

// The handle is deliberately never closed: the name must stay taken until the process ends.
bool AnotherCopyIsRunning() {
  CreateMutexA(nullptr, FALSE, APP_TITLE);
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (AnotherCopyIsRunning()) {
    MessageBoxA(nullptr, kDuplicateText, kDuplicateCaption, MB_ICONERROR);
    return 0;
  }
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc, 0);
  return 0;
}
