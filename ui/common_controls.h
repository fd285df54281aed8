// The common controls, loaded at run time once the DLL search is protected: as a static
// import, comctl32.dll and the DLLs it loads by name (uxtheme.dll among them) would be
// looked for in the program's folder before WinMain runs.
#pragma once

#include <windows.h>

#include <commctrl.h>

struct CommonControlFunctions {
  BOOL(WINAPI* setWindowSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
  LRESULT(WINAPI* defSubclassProc)(HWND, UINT, WPARAM, LPARAM);
  BOOL(WINAPI* removeWindowSubclass)(HWND, SUBCLASSPROC, UINT_PTR);
};

// Loads version 6 of the common controls and registers their window classes; false if the
// DLL or one of the functions is missing. Called before the program's first window.
bool LoadCommonControls();
// Set once LoadCommonControls has succeeded.
const CommonControlFunctions& CommonControls();
