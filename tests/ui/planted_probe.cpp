// Loads each DLL named on its command line by its name alone, with none of the program's
// protections: from its own folder, where a planted copy is found first.
#include <windows.h>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) LoadLibraryA(argv[i]);
  return 0;
}
