// One press of a hash button in the running program, timed from outside.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct CommandRun {
  int64_t pressedAt;   // CounterNow() as the button was pressed
  double clickMs;      // until the program answered BM_CLICK
  double digestMs;     // until the hash field showed the new digest
  bool digestShown;    // false: timeoutMs passed first
  std::string shown;   // the hash field's text at the end
};

// Presses button and waits until the hash field shows 32 hexadecimal digits other than
// what it showed before. With clearFirst the field is emptied beforehand, for a button
// pressed again on the same text.
CommandRun RunCommand(HWND dialog, int button, bool clearFirst, uint32_t timeoutMs);

