// The checks the driver runs against the program, grouped by what they exercise.
#pragma once

#include <windows.h>

#include <string>

#include "driver_session.h"

// Shared by all checks: the copy of the program that most of them drive.
struct Session {
  const char* exe;
  const char* pictureDir;  // nullptr: take no pictures
  Program program;
  HWND main;
};

// Prints detail (printf style) under the check's name when ok is false; returns ok.
bool Expect(bool ok, const char* detail, ...);
bool ExpectText(const std::string& got, const std::string& want, const char* what);
// Makes sure there is a main window to drive, starting a fresh copy if an earlier failure
// ended the last one; false, with a note, if none comes up.
bool HaveMain(Session& session);
// Varied ASCII in lines of 1000 characters. Wine's edit control takes in lines of a few
// hundred characters or more fastest; a line of millions takes it seconds to paint, or to
// find where a click falls.
std::string LongAsciiText(size_t length);
// What the hash field shows, as a share done: -1 before any progress, 100 for a result.
int PercentShown(HWND hash);
// Where the centring rule puts window, given its present size.
POINT CentredOnDesktop(HWND window);
bool IsCentredOnDesktop(HWND window);
// Every control inside the dialog and every text inside its control, at the present DPI.
bool LaysOutCleanly(HWND dialog);

bool CheckStartsWithStrayArguments(Session& s);
bool CheckMainCentred(Session& s);
bool CheckMainLayout(Session& s);

bool CheckRfcVectorsMD5(Session& s);
bool CheckRfcVectorsMD2(Session& s);
bool CheckLineBreakIsCrLf(Session& s);
bool CheckAnsiCharacter(Session& s);
bool CheckEmptyFieldPrompt(Session& s);
bool CheckOtherButtonReplaces(Session& s);
bool CheckLongTextsWhole(Session& s);
bool CheckLongPastesWhole(Session& s);
bool CheckUnicodePastes(Session& s);
bool CheckLongTextsInPlace(Session& s);
bool CheckOlderControls(Session& s);
bool CheckPictureOfMain(Session& s);

bool CheckEnterInsertsLineBreak(Session& s);
bool CheckDialogKeysIgnored(Session& s);
bool CheckHashFieldReadOnly(Session& s);
bool CheckFieldNamesAndTabOrder(Session& s);
bool CheckMnemonics(Session& s);
bool CheckDragMovesWindow(Session& s);

bool CheckAboutText(Session& s);
bool CheckAboutCentredAfterDrag(Session& s);
bool CheckAboutLayout(Session& s);
bool CheckAboutPictures(Session& s);
bool CheckAboutFinishReturns(Session& s);
bool CheckAboutCloseReturns(Session& s);
bool CheckAboutMemoryFlat(Session& s);

bool CheckSecondCopyDuplicate(Session& s);
bool CheckCancelExitsZero(Session& s);
bool CheckRestartAndCloseExitsZero(Session& s);
bool CheckKeysExitZero(Session& s);
