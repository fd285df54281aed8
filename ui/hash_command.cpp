#include "hash_command.h"

#include <cstdint>

#include "ansi_text.h"
#include "field_text.h"
#include "long_command.h"
#include "md_bytes.h"
#include "resource.h"
#include "wide_text.h"

namespace {

// Shown instead of a digest of part of the text, which would look exactly like a right one.
constexpr char kNoMemoryText[] = "Not enough memory to hash this text";
// A program that keeps changing the text while it is hashed would otherwise keep the
// command from ending.
constexpr char kKeptChangingText[] = "The text kept changing while it was hashed";
constexpr int kMostPasses = 8;
// Escape ends a long command at once, and must not leave a digest or a progress that
// looks like one.
constexpr char kStoppedText[] = "Hashing stopped: no digest";

enum class Pass { Shown, Changed, Ended };

void ShowResult(HWND dialog, const char* text) { SetDlgItemTextA(dialog, IDC_HASH, text); }

// Names the character, and selects it where it stands, so the user sees which one it is and
// where, even when it is invisible (a zero-width space from a web page, say).
void ShowUnrepresentable(HWND dialog, HWND field, const Unrepresentable& character) {
  char text[sizeof kUnrepresentableFormat + 24] = {};
  wsprintfA(text, kUnrepresentableFormat, GetACP(),
            static_cast<unsigned long>(character.codePoint));
  ShowResult(dialog, text);
  // Focus first: the dialog manager selects the whole text of a field it moves the focus to.
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
  SendMessageW(field, EM_SETSEL, character.at, character.at + character.length);
  SendMessageW(field, EM_SCROLLCARET, 0, 0);
}

Pass HashFieldOnce(HWND dialog, HashAlgorithm algorithm, FieldText* source,
                   LongCommand* command, PieceScratch* scratch) {
  const CodePage page = AnsiCodePage();
  TextHash hash;
  BeginTextHash(&hash, algorithm);
  const char16_t* text = LockFieldText(source);
  for (uint32_t at = 0; at < source->units && text != nullptr;) {
    const uint32_t end = PieceEnd(text, source->units, at);
    const Unrepresentable missing = HashPiece(&hash, page, text, at, end, scratch);
    if (missing.found) {
      UnlockFieldText(source);
      AbandonTextHash(&hash);
      ShowUnrepresentable(dialog, source->field, missing);
      return Pass::Shown;
    }
    at = end;
    if (at < source->units && BreakDue(*command)) {
      UnlockFieldText(source);
      BeginFieldBreak(source, at);
      const bool goOn = TakeBreak(command, at, source->units);
      EndFieldBreak(source);
      if (!goOn || FieldTextChanged(source)) {
        AbandonTextHash(&hash);
        return goOn ? Pass::Changed : Pass::Ended;
      }
      text = LockFieldText(source);
    }
  }
  if (text == nullptr) {
    AbandonTextHash(&hash);
    return Pass::Changed;
  }
  UnlockFieldText(source);
  DigestText digest = {};
  ShowResult(dialog, FinishTextHash(&hash, digest));
  return Pass::Shown;
}

}  // namespace

void RunHashCommand(HWND dialog, HashAlgorithm algorithm) {
  LongCommand command;
  BeginLongCommand(&command, dialog);
  PieceScratch scratch;
  HWND field = GetDlgItem(dialog, IDC_PLAINTEXT);
  // Another text means another digest: the text is taken again, and hashed from the start.
  Pass pass = Pass::Changed;
  for (int i = 0; i < kMostPasses && pass == Pass::Changed; ++i) {
    FieldText source;
    if (!OpenFieldText(field, &source)) {
      ShowResult(dialog, kNoMemoryText);
      pass = Pass::Shown;
      break;
    }
    pass = HashFieldOnce(dialog, algorithm, &source, &command, &scratch);
    CloseFieldText(&source);
  }
  if (pass == Pass::Changed) ShowResult(dialog, kKeptChangingText);
  if (pass == Pass::Ended && command.end == CommandEnd::Stopped) ShowResult(dialog, kStoppedText);
  MD_memset(reinterpret_cast<uint8_t*>(&scratch), 0, sizeof scratch);
  EndLongCommand(&command);
}
