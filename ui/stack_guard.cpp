#include "stack_guard.h"

#include <windows.h>

#include <cstdint>

#include "module_function.h"

// GCC's protected functions read this guard and call __stack_chk_fail when their copy of
// it was overwritten. Defined here, they keep MinGW's libssp out of the program: its
// constructor fills the guard before WinMain with CryptGenRandom, which loads the
// cryptographic provider DLL that the registry names, on older Windows by its bare name,
// so from the program's folder before any protection can run. Until SeedStackGuard, the
// guard holds the bytes 0D FF 0A 00, at which string copies and line reads stop.
extern "C" {

uintptr_t __stack_chk_guard = 0x000aff0d;

// The stack is broken: end at once, as Windows' own buffer checks do, with nothing run on
// the way out (no unwinding, no exit handlers) that could use it.
[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}  // extern "C"

namespace {

// Where RtlGenRandom is missing or fails: what differs between runs and between processes,
// spread over every bit (the finaliser of splitmix64).
uintptr_t FallbackSeed(const void* stack) {
  LARGE_INTEGER counter = {};
  QueryPerformanceCounter(&counter);
  FILETIME now = {};
  GetSystemTimeAsFileTime(&now);
  uint64_t mixed = static_cast<uint64_t>(counter.QuadPart) ^
                   (uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime) ^
                   (uint64_t{GetCurrentProcessId()} << 32 | GetCurrentThreadId()) ^
                   reinterpret_cast<uintptr_t>(stack);
  mixed = (mixed ^ mixed >> 30) * 0xBF58476D1CE4E5B9u;
  mixed = (mixed ^ mixed >> 27) * 0x94D049BB133111EBu;
  return static_cast<uintptr_t>(mixed ^ mixed >> 31);
}

}  // namespace

[[gnu::no_stack_protector]] void SeedStackGuard() {
  uintptr_t seed = 0;
  // advapi32's SystemFunction036 from XP on; Windows 7 forwards it to cryptbase.dll, which
  // ProtectDllSearch has loaded from the system folder by then.
  using RtlGenRandomFn = BOOLEAN(WINAPI*)(void*, ULONG);
  const auto genRandom =
      ModuleFunction<RtlGenRandomFn>(LoadLibraryW(L"advapi32.dll"), "SystemFunction036");
  if (genRandom == nullptr || !genRandom(&seed, sizeof seed)) seed = FallbackSeed(&seed);
  __stack_chk_guard = seed;
}
