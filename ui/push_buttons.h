// The main dialog's four push buttons.
#pragma once

#include <windows.h>

// Keeps a plain C, typed while one of the buttons has the focus, from pressing Cancel; Alt+C
// still does. Called once the dialog exists.
void PreparePushButtons(HWND dialog);
