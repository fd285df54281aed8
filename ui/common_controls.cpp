#include "common_controls.h"

#include "module_function.h"

namespace {

CommonControlFunctions g_functions = {};

}  // namespace

bool LoadCommonControls() {
  // By name, not by path: the manifest's activation context, which applies to this load as
  // it would to a static import, redirects the name to version 6 in the side-by-side store.
  HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
  using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto initCommonControlsEx =
      ModuleFunction<InitCommonControlsExFn>(comctl32, "InitCommonControlsEx");
  g_functions = {
      ModuleFunction<decltype(g_functions.setWindowSubclass)>(comctl32, "SetWindowSubclass"),
      ModuleFunction<decltype(g_functions.defSubclassProc)>(comctl32, "DefSubclassProc"),
      ModuleFunction<decltype(g_functions.removeWindowSubclass)>(comctl32,
                                                                  "RemoveWindowSubclass")};
  if (initCommonControlsEx == nullptr || g_functions.setWindowSubclass == nullptr ||
      g_functions.defSubclassProc == nullptr || g_functions.removeWindowSubclass == nullptr)
    return false;
  // Version 6's edit, button and static classes stand in for the system's own. Windows XP
  // registers them only for a program that asks before its first window, and without them
  // no dialog can be created; later systems register them unasked.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  initCommonControlsEx(&controls);
  return true;
}

const CommonControlFunctions& CommonControls() { return g_functions; }
