#include <cstdio>
#include <iterator>
#include <string>

#include "driver_capture.h"
#include "driver_checks.h"
#include "driver_input.h"
#include "hash_command.h"
#include "resource.h"

namespace {

// Unicode text pasted from another program, and its bytes in one ANSI code page: nullptr
// where that code page lacks one of its characters. The bytes are written out here rather
// than converted, so a conversion fault cannot hide in the expectation too.
struct Paste {
  const wchar_t* text;
  const char* ansi;
};

struct CodePage {
  UINT number;
  Paste pastes[5];
};

constexpr wchar_t kMacron[] = L"\u0101bc";  // best fit would make it "abc"
constexpr wchar_t kEmoji[] = L"smile \U0001F600";
constexpr wchar_t kJapanese[] = L"\u65E5\u672C\u8A9E";
constexpr wchar_t kCyrillic[] = L"\u041F\u0440\u0438\u0432\u0435\u0442";

constexpr CodePage kCodePages[] = {
    {1252,
     {{L"caf\u00E9 \u20AC", "caf\xE9 \x80"},
      {kMacron, nullptr},
      {kEmoji, nullptr},
      {kJapanese, nullptr},
      {kCyrillic, nullptr}}},
    {1251,
     {{kCyrillic, "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {kMacron, nullptr},
      {kEmoji, nullptr},
      {kJapanese, nullptr},
      {L"caf\u00E9", nullptr}}},
    // A trail byte of 5C, the backslash, must pass as it is too.
    {932,
     {{kJapanese, "\x93\xFA\x96\x7B\x8C\xEA"},
      {L"\u8868\u793A", "\x95\x5C\x8E\xA6"},
      {kCyrillic, "\x84\x50\x84\x82\x84\x79\x84\x72\x84\x75\x84\x84"},
      {kMacron, nullptr},
      {kEmoji, nullptr}}},
    // UTF-8 holds every character; only half of a surrogate pair has no form in it.
    {65001,
     {{kMacron, "\xC4\x81" "bc"},
      {kEmoji, "smile \xF0\x9F\x98\x80"},
      {kJapanese, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
      {L"caf\u00E9 \u20AC", "caf\xC3\xA9 \xE2\x82\xAC"},
      {L"half \xD83D pair", nullptr}}},
};

const CodePage* ThisCodePage() {
  for (const CodePage& page : kCodePages)
    if (page.number == GetACP()) return &page;
  return nullptr;
}

std::string Expected(const Paste& paste, int button) {
  DigestText digest = {};
  if (paste.ansi == nullptr) {
    char text[sizeof kUnrepresentableFormat + 16] = {};
    std::snprintf(text, sizeof text, kUnrepresentableFormat, GetACP());
    return text;
  }
  (button == IDC_MD5 ? HashTextMD5 : HashTextMD2)(paste.ansi, digest);
  return digest;
}

bool PastesAndHashes(Session& s, const Paste& paste, int index) {
  HWND field = GetDlgItem(s.main, IDC_PLAINTEXT);
  if (!Expect(PasteIntoEmptyField(field, paste.text, true), "cannot fill the clipboard"))
    return false;
  const std::wstring text = paste.text;
  bool ok = Expect(WaitUntil([&] { return ReadUnicodeText(field) == text; }, kTimeoutMs),
                   "paste %d did not arrive whole", index);
  char what[48] = {};
  for (int button : {IDC_MD5, IDC_MD2}) {
    Click(s.main, button);
    std::snprintf(what, sizeof what, "paste %d, %s", index, button == IDC_MD5 ? "MD5" : "MD2");
    ok &= ExpectText(ReadItemText(s.main, IDC_HASH), Expected(paste, button), what);
  }
  return ok & Expect(ReadUnicodeText(field) == text, "paste %d changed by hashing", index);
}

}  // namespace

bool CheckUnicodePastes(Session& s) {
  const CodePage* page = ThisCodePage();
  if (!Expect(page != nullptr, "no expectations for ANSI code page %u", GetACP())) return false;
  if (!HaveMain(s)) return false;
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  bool ok = true;
  for (int i = 0; i < static_cast<int>(std::size(page->pastes)); ++i)
    ok &= PastesAndHashes(s, page->pastes[i], i + 1);
  // The last paste is one the code page cannot hold: a picture of the message.
  if (s.pictureDir != nullptr) {
    Sleep(500);
    const std::string path = std::string(s.pictureDir) + "\\unrepresentable.bmp";
    ok &= Expect(SaveWindowPicture(s.main, path.c_str()), "cannot save %s", path.c_str());
  }
  return ok;
}
