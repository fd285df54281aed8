#include "dll_search.h"

#include <windows.h>

#include "module_function.h"

namespace {

// Loaded by their bare names by the system's own DLLs while the program runs, mostly for the
// common controls and their visual styles, and not KnownDLLs on every Windows the program
// runs on. A module already loaded is found by its name before any search, so each of these,
// loaded first from the system folder, is the one that every later load of the name gets. A
// name that a system lacks (dwmapi.dll and cryptbase.dll on XP) simply fails to load.
constexpr const wchar_t* kLoadedByName[] = {
    L"msimg32.dll",    // AlphaBlend and TransparentBlt, which the controls draw with
    L"dwmapi.dll",     // the visual styles' link to the desktop compositor, from Vista on
    L"usp10.dll",      // Uniscribe, the edit controls' text layout; not a KnownDLL on XP
    L"version.dll",    // file versions; not a KnownDLL from Windows 7 on
    L"cryptbase.dll",  // where advapi32 forwards RtlGenRandom on Windows 7 (stack_guard.cpp)
    L"uxtheme.dll",    // the visual styles that version 6 of the common controls draws
    L"oleacc.dll",     // Active Accessibility, when a screen reader asks a control about itself
    L"winmm.dll",      // the sounds of the common controls
};

// The full path of a DLL in the system folder (SysWOW64 for a 32-bit program on 64-bit
// Windows); false if it would not fit.
bool SystemFolderPath(const wchar_t* name, wchar_t (&path)[MAX_PATH]) {
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  const int length = lstrlenW(name);
  if (folder == 0 || folder + 1 + length >= MAX_PATH) return false;
  path[folder] = L'\\';
  lstrcpyW(path + folder + 1, name);
  return true;
}

}  // namespace

// Windows 10 1607 and later would also search the static imports' own dependencies with the
// flags in the PE load configuration's DependentLoadFlags field, but binutils cannot write
// that field, and the header is not patched by hand for it: the static imports are
// KnownDLLs only (tests/ui/check-imports.sh holds to that), and the common controls, which
// are not, are loaded after this has run (common_controls.cpp).
void ProtectDllSearch() {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  // Windows 8 and later, and Vista and 7 with update KB2533623: every later load by name,
  // the system DLLs' own included, searches the system folder alone, never the program's
  // folder or the current one.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories =
      ModuleFunction<SetDefaultDllDirectoriesFn>(kernel32, "SetDefaultDllDirectories");
  const bool systemFolderOnly = setDefaultDllDirectories != nullptr &&
                                setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows XP SP1 and later: takes the current folder out of the search, which XP and
  // Vista or 7 without that update still make after the system folders.
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  const auto setDllDirectory = ModuleFunction<SetDllDirectoryFn>(kernel32, "SetDllDirectoryW");
  if (setDllDirectory != nullptr) setDllDirectory(L"");
  // Every system: the program's folder, which those older systems search first, is kept
  // from the names above only by loading them now, by their full paths. Under Wine, whose
  // common controls load them without regard to the default directories, this is what
  // protects them too. Their own dependencies come from the system folder as well: by the
  // default directories, or else by the altered search, which starts in the DLL's folder.
  const DWORD flags = systemFolderOnly ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH;
  for (const wchar_t* name : kLoadedByName) {
    wchar_t path[MAX_PATH] = {};
    if (SystemFolderPath(name, path)) LoadLibraryExW(path, nullptr, flags);
  }
}
