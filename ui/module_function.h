// A function of a system DLL that older Windows may lack, looked up at run time.
#pragma once

#include <windows.h>

// nullptr where the module or the function is missing.
template <typename Function>
Function ModuleFunction(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // By way of a plain function pointer, which GCC lets any function pointer become.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
