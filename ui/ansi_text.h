// The field's Unicode text as bytes of the system's ANSI code page, which is what gets hashed.
#pragma once

#include <windows.h>

#include <cstdint>

struct AnsiSize {
  bool exact;      // false: some character has no form of its own in the ANSI code page
  uint32_t bytes;  // the length of the ANSI form when exact
};

// How many ANSI bytes text takes, and whether every character converts exactly: no
// best-fit look-alike ("a" for a-macron) and no default character ("?") standing in.
AnsiSize MeasureAnsi(const wchar_t* text, uint32_t units);

// Writes the ANSI form of text into out, which holds at least MeasureAnsi's bytes; call it
// only for text that MeasureAnsi found exact.
void ConvertToAnsi(const wchar_t* text, uint32_t units, char* out, uint32_t bytes);
