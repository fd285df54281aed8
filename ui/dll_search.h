// Where the DLLs in the program come from. Windows looks for a DLL that is not on its
// KnownDLLs list in the program's own folder first, and on older systems in the current
// folder too: both are often Downloads, where a web page can save a file named like a system
// DLL without asking, and such a file would run its code inside the program.
#pragma once

// The first thing WinMain does: afterwards the DLLs that the program and the system's own
// DLLs load by name come from the system folder. What loads before WinMain (the static
// imports) is kept to KnownDLLs, which Windows takes from the system folder always.
void ProtectDllSearch();
