#include <windows.h>

#include <commctrl.h>

#include "app_title.h"
#include "main_dialog.h"
#include "resource.h"

namespace {

constexpr char kDuplicateText[] = "Another copy of this program is already running";
constexpr char kDuplicateCaption[] = "Duplicate";
constexpr char kNoWindowText[] = "The program's window could not be created.";

// The handle is deliberately never closed: the name must stay taken until the process ends.
bool AnotherCopyIsRunning() {
  CreateMutexA(nullptr, FALSE, APP_TITLE);
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

// The manifest asks for version 6 of the common controls, whose edit, button and static
// classes stand in for the system's own. Windows XP registers those classes only for a
// program that loads the controls before its first window, and without them the dialog
// cannot be created; later systems register them unasked.
void LoadCommonControls() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (AnotherCopyIsRunning()) {
    MessageBoxA(nullptr, kDuplicateText, kDuplicateCaption, MB_ICONERROR);
    return 0;
  }
  LoadCommonControls();
  // Ending without a word would look exactly like a program that never started.
  if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc, 0) == -1)
    MessageBoxA(nullptr, kNoWindowText, APP_TITLE, MB_ICONERROR);
  return 0;
}
