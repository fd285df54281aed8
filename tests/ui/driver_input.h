// Real keyboard and mouse input, injected with SendInput as a user's devices would deliver it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

// Brings window to the front so that keystrokes reach it; false if it would not come.
bool BringToFront(HWND window);

void PressKey(WORD key);
// Holds modifier while pressing key, as for Alt+5 or Ctrl+End.
void PressChord(WORD modifier, WORD key);
void TypeLetters(const char* letters);  // a..z and 0..9 only
// Keys pressed one after another, each with its modifier held (0 for none), and sent at once
// without waiting for them to be handled, as by a user typing ahead.
struct Stroke {
  WORD modifier;
  WORD key;
};
void TypeAhead(std::initializer_list<Stroke> strokes);
// Opens the clipboard for the driver, with a hidden window of its own as the owner: after
// EmptyClipboard, Windows takes data only from a clipboard opened with a window.
bool OpenDriverClipboard();
// Hands the clipboard a movable block of UTF-16 text as a Unicode program would put it there
// (CF_UNICODETEXT only). The clipboard owns the block from then on, or it is freed; false if
// the clipboard would not take it.
bool GiveClipboardText(HGLOBAL text);
// Empties the edit field and pastes text into it from the clipboard, where it is put as a
// Unicode program would (CF_UNICODETEXT only): with a click and Ctrl+V, or with WM_PASTE.
// False if the clipboard would not take the text.
bool PasteIntoEmptyField(HWND field, const std::wstring& text, bool withKeys);

// Moves the pointer to a screen position with absolute coordinates; relative moves are
// subject to pointer acceleration and cannot hit an exact pixel.
void MoveMouseTo(POINT at);
void LeftClickAt(POINT at);
// A click, then letters typed, sent at once without waiting for them to be handled.
void ClickAndType(POINT at, const char* letters);
// Clicks into an edit field and puts the caret at its end.
void ClickToEnd(HWND field);
// Presses at from, moves there in steps, releases at to.
void LeftDrag(POINT from, POINT to);

// The centre of a window's rectangle on the screen.
POINT CentreOf(HWND window);
// Lets the target's message loop catch up with the injected input.
void Settle();
