#include <cstdio>
#include <iterator>
#include <string>

#include "driver_capture.h"
#include "driver_checks.h"
#include "driver_input.h"
#include "hash_text.h"
#include "resource.h"

namespace {

struct Vector {
  const char* text;
  const char* digest;
};

// The test suites printed in RFC 1321 and RFC 1319, in the program's uppercase form.
constexpr Vector kMD5Vectors[] = {
    {"a", "0CC175B9C0F1B6A831C399E269772661"},
    {"abc", "900150983CD24FB0D6963F7D28E17F72"},
    {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "D174AB98D277D9F5A5611C2C9F419D9F"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57EDF4A22BE3C955AC49DA2E2107B67A"},
};
constexpr Vector kMD2Vectors[] = {
    {"a", "32EC01EC4A6DAC72C0AB96FB34C0B5D1"},
    {"abc", "DA853B0D3F88D99B30283A69E6DED6BB"},
    {"message digest", "AB4F496BFB2A530B219FF33031FE06B0"},
    {"abcdefghijklmnopqrstuvwxyz", "4E8DDFF3650292AB5A4108C3AA47940B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "DA33DEF2A42DF13975352846C30338CD"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "D5976F79D83D3A0DC9806C3C66F3EFD8"},
};

std::string ExpectedMD5(const std::string& text) {
  DigestText out = {};
  HashTextMD5(text.c_str(), out);
  return out;
}

std::string ExpectedMD2(const std::string& text) {
  DigestText out = {};
  HashTextMD2(text.c_str(), out);
  return out;
}

std::string HashThroughButton(HWND main, int button) {
  Click(main, button);
  return ReadItemText(main, IDC_HASH);
}

bool CheckVectors(Session& s, const Vector* vectors, size_t count, int button) {
  if (!HaveMain(s)) return false;
  bool ok = true;
  for (size_t i = 0; i < count; ++i) {
    WriteItemText(s.main, IDC_PLAINTEXT, vectors[i].text);
    ok &= ExpectText(HashThroughButton(s.main, button), vectors[i].digest, vectors[i].text);
  }
  return ok;
}

// The field holds text whole; both buttons hash all of it and leave it as it was.
bool HashesWhole(Session& s, const std::string& text, const char* what) {
  bool ok = ExpectText(ReadItemText(s.main, IDC_PLAINTEXT), text, "plaintext as put in");
  ok &= ExpectText(HashThroughButton(s.main, IDC_MD5), ExpectedMD5(text), what);
  ok &= ExpectText(HashThroughButton(s.main, IDC_MD2), ExpectedMD2(text), what);
  return ok & ExpectText(ReadItemText(s.main, IDC_PLAINTEXT), text, "plaintext after hashing");
}

bool CheckBothDigests(Session& s, const std::string& text, const char* what) {
  WriteItemText(s.main, IDC_PLAINTEXT, text);
  return HashesWhole(s, text, what);
}

// Pastes ASCII text into the empty field and waits until all of it may have arrived.
void PasteIntoField(HWND field, const std::string& text, bool withKeys) {
  if (!Expect(PasteIntoEmptyField(field, std::wstring(text.begin(), text.end()), withKeys),
              "cannot fill the clipboard"))
    return;
  WaitUntil([&] { return ReadText(field).size() >= text.size(); }, kTimeoutMs);
}

// Varied characters, so a digest of any shorter prefix cannot match by accident.
std::string PatternText(size_t length) {
  std::string text(length, ' ');
  for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('!' + (i * 7 + i / 94) % 94);
  return text;
}

}  // namespace

bool CheckRfcVectorsMD5(Session& s) {
  return CheckVectors(s, kMD5Vectors, std::size(kMD5Vectors), IDC_MD5);
}

bool CheckRfcVectorsMD2(Session& s) {
  return CheckVectors(s, kMD2Vectors, std::size(kMD2Vectors), IDC_MD2);
}

bool CheckLineBreakIsCrLf(Session& s) {
  return HaveMain(s) && CheckBothDigests(s, "a\r\nb", "a CR LF b");
}

bool CheckAnsiCharacter(Session& s) {
  // E9 is a letter (e acute) in the Western code page 1252 and in most other ANSI pages.
  return HaveMain(s) && CheckBothDigests(s, "caf\xE9", "caf\\xE9");
}

bool CheckEmptyFieldPrompt(Session& s) {
  if (!HaveMain(s)) return false;
  bool ok = true;
  for (int button : {IDC_MD2, IDC_MD5}) {
    WriteItemText(s.main, IDC_PLAINTEXT, "abc");
    Click(s.main, button);
    WriteItemText(s.main, IDC_PLAINTEXT, "");
    ok &= ExpectText(HashThroughButton(s.main, button), "Type in plaintext",
                     button == IDC_MD2 ? "MD2 on an empty field" : "MD5 on an empty field");
  }
  return ok;
}

bool CheckOtherButtonReplaces(Session& s) {
  if (!HaveMain(s)) return false;
  WriteItemText(s.main, IDC_PLAINTEXT, "abc");
  bool ok = ExpectText(HashThroughButton(s.main, IDC_MD2), kMD2Vectors[1].digest, "MD2 first");
  ok &= ExpectText(HashThroughButton(s.main, IDC_MD5), kMD5Vectors[1].digest, "then MD5");
  ok &= ExpectText(HashThroughButton(s.main, IDC_MD5), kMD5Vectors[1].digest, "MD5 again");
  return ok & ExpectText(HashThroughButton(s.main, IDC_MD2), kMD2Vectors[1].digest, "MD2 again");
}

bool CheckLongTextsWhole(Session& s) {
  if (!HaveMain(s)) return false;
  bool ok = true;
  for (size_t length : {9998u, 9999u, 10000u, 20000u, 100000u}) {
    char what[48] = {};
    std::snprintf(what, sizeof what, "%zu characters", length);
    ok &= CheckBothDigests(s, PatternText(length), what);
  }
  return ok;
}

bool CheckLongPastesWhole(Session& s) {
  if (!HaveMain(s)) return false;
  HWND field = GetDlgItem(s.main, IDC_PLAINTEXT);
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  // Far past the edit control's default limit of 30000 (Wine) or 32767 (Windows) characters.
  const std::string pasted = PatternText(100000);
  PasteIntoField(field, pasted, true);
  bool ok = HashesWhole(s, pasted, "100000 characters pasted with Ctrl+V");
  const std::string huge = PatternText(1000000);
  PasteIntoField(field, huge, false);
  ok &= HashesWhole(s, huge, "1000000 characters pasted");
  const std::string typed = PatternText(40000);
  WriteText(field, typed);
  ClickToEnd(field);
  TypeLetters("z");
  WaitUntil([&] { return ReadText(field).size() > typed.size(); }, kTimeoutMs);
  return ok & ExpectText(ReadText(field), typed + "z", "40000 characters, then z typed");
}

bool CheckPictureOfMain(Session& s) {
  if (!HaveMain(s)) return false;
  if (s.pictureDir == nullptr) return true;
  WriteItemText(s.main, IDC_PLAINTEXT, "The quick brown fox\r\njumps over the lazy dog");
  Click(s.main, IDC_MD5);
  Sleep(500);  // the repaint after the click
  const std::string path = std::string(s.pictureDir) + "\\main.bmp";
  return Expect(SaveWindowPicture(s.main, path.c_str()), "cannot save %s", path.c_str());
}
