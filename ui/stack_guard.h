// The value that -fstack-protector-strong's checks compare each protected frame against.
#pragma once

// Gives the guard its random value, once the DLL search is protected. Neither it nor any
// function whose frame is live while it runs (WinMain) may be protected: that frame would
// hold the old value and fail its check on return.
void SeedStackGuard();
