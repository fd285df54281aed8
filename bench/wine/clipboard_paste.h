// Long texts into the program's edit field the way a user pastes them. A cross-process
// WM_SETTEXT of more than about 1 MB never returns under Wine; a paste does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct PasteRun {
  bool arrived;         // the field came to hold all of the text in time
  double answeredMs;    // until WM_PASTE returned
  double arrivedMs;     // until WM_GETTEXTLENGTH showed every character
  uint32_t finalUnits;  // what WM_GETTEXTLENGTH said last
};

// Puts ASCII text on the clipboard as CF_UNICODETEXT only, as a Unicode program would;
// false if the clipboard would not take it.
bool PutOnClipboard(const std::string& ascii);
// Gives the clipboard's copy back once the paste is done, so that it weighs on no figure.
void EmptyOwnClipboard();
// Pastes the clipboard into field and waits, up to timeoutMs, until it holds units
// UTF-16 units.
PasteRun PasteAndWait(HWND field, uint32_t units, uint32_t timeoutMs);
