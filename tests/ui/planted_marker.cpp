// Stands in for a DLL planted beside the program under the name of a system DLL. Whatever
// process loads it gets a file beside it, named as it is with ".ran" added, that holds the
// path of that process's executable.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char marker[MAX_PATH + 4] = {};
  const DWORD length = GetModuleFileNameA(self, marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  lstrcatA(marker, ".ran");
  char process[MAX_PATH] = {};
  const DWORD processLength = GetModuleFileNameA(nullptr, process, MAX_PATH);
  HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return TRUE;
  DWORD written = 0;
  WriteFile(file, process, processLength, &written, nullptr);
  CloseHandle(file);
  return TRUE;
}
