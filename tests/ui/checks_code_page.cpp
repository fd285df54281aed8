#include <cstdio>
#include <iterator>
#include <string>

#include "app_title.h"
#include "driver_capture.h"
#include "driver_checks.h"
#include "driver_input.h"
#include "hash_command.h"
#include "resource.h"

namespace {

// Unicode text pasted from another program, and its bytes in one ANSI code page, or, where
// that code page lacks one of its characters, the first such character. The bytes are
// written out here rather than converted, so a conversion fault cannot hide in the
// expectation too.
struct Paste {
  const wchar_t* text;
  const char* ansi;
  uint32_t missing = 0;
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
      {kMacron, nullptr, 0x101},
      {kEmoji, nullptr, 0x1F600},
      {kJapanese, nullptr, 0x65E5},
      {kCyrillic, nullptr, 0x41F}}},
    {1251,
     {{kCyrillic, "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {kMacron, nullptr, 0x101},
      {kEmoji, nullptr, 0x1F600},
      {kJapanese, nullptr, 0x65E5},
      {L"caf\u00E9", nullptr, 0xE9}}},
    // A trail byte of 5C, the backslash, must pass as it is too.
    {932,
     {{kJapanese, "\x93\xFA\x96\x7B\x8C\xEA"},
      {L"\u8868\u793A", "\x95\x5C\x8E\xA6"},
      {kCyrillic, "\x84\x50\x84\x82\x84\x79\x84\x72\x84\x75\x84\x84"},
      {kMacron, nullptr, 0x101},
      {kEmoji, nullptr, 0x1F600}}},
    // GBK holds the pinyin letters too.
    {936,
     {{L"\u4E2D\u6587", "\xD6\xD0\xCE\xC4"},
      {L"\u4E57\u4E2D", "\x81\x5C\xD6\xD0"},
      {kMacron, "\xA8\xA1" "bc"},
      {kEmoji, nullptr, 0x1F600},
      {L"\uD55C\uAE00", nullptr, 0xD55C}}},
    // UTF-8 holds every character; only half of a surrogate pair has no form in it.
    {65001,
     {{kMacron, "\xC4\x81" "bc"},
      {kEmoji, "smile \xF0\x9F\x98\x80"},
      {kJapanese, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
      {L"caf\u00E9 \u20AC", "caf\xC3\xA9 \xE2\x82\xAC"},
      {L"half \xD83D pair", nullptr, 0xD83D}}},
};

// Where the character stands in text: a character beyond the basic plane as its pair.
Selection WhereCharacterIs(const std::wstring& text, uint32_t codePoint) {
  const bool pair = codePoint > 0xFFFF;
  const wchar_t first =
      static_cast<wchar_t>(pair ? 0xD800 + ((codePoint - 0x10000) >> 10) : codePoint);
  const auto at = static_cast<DWORD>(text.find(first));
  return {at, at + (pair ? 2u : 1u)};
}

const CodePage* ThisCodePage() {
  for (const CodePage& page : kCodePages)
    if (page.number == GetACP()) return &page;
  return nullptr;
}

std::string Expected(const Paste& paste, int button) {
  DigestText digest = {};
  if (paste.ansi == nullptr) {
    char text[sizeof kUnrepresentableFormat + 24] = {};
    std::snprintf(text, sizeof text, kUnrepresentableFormat, GetACP(),
                  static_cast<unsigned long>(paste.missing));
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
  if (paste.ansi == nullptr) {
    const Selection want = WhereCharacterIs(text, paste.missing);
    const Selection got = SelectionOf(field);
    ok &= Expect(got.start == want.start && got.end == want.end,
                 "paste %d: selected %lu..%lu, the character is at %lu..%lu", index, got.start,
                 got.end, want.start, want.end);
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

namespace {

// A copy of the program whose manifest does not ask for version 6 of the common controls,
// as when the manifest is not honoured, or a manifest file beside the program wins on XP:
// the older edit control then keeps an ANSI dialog's text in the ANSI code page. (Wine's
// UpdateResource cannot delete a resource, only replace it.)
bool CopyWithOlderControls(const char* exe, std::string* copy) {
  static const char kBareManifest[] =
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"/>";
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  *copy = std::string(folder) + "MDHasher-older-controls.exe";
  if (!CopyFileA(exe, copy->c_str(), FALSE)) return false;
  HANDLE update = BeginUpdateResourceA(copy->c_str(), FALSE);
  // windres gives every resource the language US English.
  return update != nullptr &&
         UpdateResourceA(update, RT_MANIFEST, MAKEINTRESOURCEA(1),
                         MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                         const_cast<char*>(kBareManifest), sizeof kBareManifest - 1) &&
         EndUpdateResourceA(update, FALSE);
}

}  // namespace

bool CheckOlderControls(Session& s) {
  const CodePage* page = ThisCodePage();
  std::string copy;
  if (!Expect(page != nullptr, "no expectations for ANSI code page %u", GetACP()) ||
      !Expect(CopyWithOlderControls(s.exe, &copy), "cannot make a copy with another manifest"))
    return false;
  // Only one copy runs at a time.
  EndProgram(&s.program);
  s.main = nullptr;
  bool ok = StartProgram(copy.c_str(), "", &s.program) &&
            Expect((s.main = WaitForDialog(s.program, APP_TITLE, kStartTimeoutMs)) != nullptr,
                   "the copy shows no window") &&
            Expect(BringToFront(s.main), "the window would not come to the front");
  if (ok) {
    HWND field = GetDlgItem(s.main, IDC_PLAINTEXT);
    ClickToEnd(field);
    TypeLetters("abc");
    ok &= Expect(WaitUntil([&] { return ReadText(field) == "abc"; }, kTimeoutMs), "abc typed");
    Click(s.main, IDC_MD5);
    ok &= ExpectText(ReadItemText(s.main, IDC_HASH), "900150983CD24FB0D6963F7D28E17F72", "MD5");
    Click(s.main, IDC_MD2);
    ok &= ExpectText(ReadItemText(s.main, IDC_HASH), "DA853B0D3F88D99B30283A69E6DED6BB", "MD2");
    ok &= PastesAndHashes(s, page->pastes[0], 1);
  }
  EndProgram(&s.program);
  s.main = nullptr;
  DeleteFileA(copy.c_str());
  return ok;
}

namespace {

// Watches the window from another thread while a command runs, as a user and the system's
// test for a hung window do, and once the command shows its progress does what `during`
// says, as a user who does not wait would.
struct Watch {
  Session* session;
  void (*during)(Session& s);
  std::string picture;  // of the window at work, where given
  volatile LONG done;
  bool answered;     // the window answered a message before the command ended
  bool sawProgress;  // the hash field showed the command at work
  bool busyAfter;    // and still did after `during`
  DWORD longestMs;
  DWORD duringMs;
};

DWORD WINAPI WatchWindow(void* param) {
  auto* watch = static_cast<Watch*>(param);
  HWND main = watch->session->main;
  HWND hash = GetDlgItem(main, IDC_HASH);
  const auto atWork = [&] {
    const int percent = PercentShown(hash);
    return percent >= 0 && percent < 100;
  };
  bool acted = false;
  while (watch->done == 0) {
    const DWORD start = GetTickCount();
    DWORD_PTR ignored = 0;
    const bool answered =
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored) != 0;
    const DWORD took = GetTickCount() - start;
    if (took > watch->longestMs) watch->longestMs = took;
    if (answered && watch->done == 0) watch->answered = true;
    watch->sawProgress |= atWork();
    if (watch->sawProgress && !acted && watch->during != nullptr) {
      acted = true;
      if (!watch->picture.empty()) SaveWindowPicture(main, watch->picture.c_str());
      const DWORD start = GetTickCount();
      watch->during(*watch->session);
      watch->duringMs = GetTickCount() - start;
      watch->busyAfter = atWork();
    }
    Sleep(10);
  }
  return 0;
}

void ClickMD2(Session& s) { Click(s.main, IDC_MD2); }

// Space on MD2, which has the focus, with more keys typed at once behind it: those wait in
// the queue as the command starts. Returns once the command, or the program, has ended.
void SpaceOnMD2Then(Session& s, std::initializer_list<Stroke> ahead) {
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  WriteText(hash, "");
  TypeAhead({{0, VK_SPACE}});
  TypeAhead(ahead);
  WaitUntil([&] { return !IsRunning(s.program) || PercentShown(hash) == 100; }, kTimeoutMs);
}

void SpaceTabSpace(Session& s) { SpaceOnMD2Then(s, {{0, VK_TAB}, {0, VK_SPACE}}); }
void SpaceShiftTab(Session& s) { SpaceOnMD2Then(s, {{VK_SHIFT, VK_TAB}}); }

// Tab and Space, as for MD5 after a short text; from the hash field, where the focus waits,
// a Tab lands on Cancel.
void TabSpace(Session&) {
  TypeAhead({{0, VK_TAB}, {0, VK_SPACE}});
  Settle();
}

// Runs MD2, started by `start`, and watches it.
Watch WatchCommand(Session& s, void (*start)(Session&), void (*during)(Session&),
                   const std::string& picture = "") {
  Watch watch = {&s, during, picture, 0, false, false, false, 0, 0};
  HANDLE watcher = CreateThread(nullptr, 0, WatchWindow, &watch, 0, nullptr);
  const DWORD started = GetTickCount();
  start(s);
  const DWORD took = GetTickCount() - started;
  InterlockedExchange(&watch.done, 1);
  WaitForSingleObject(watcher, kTimeoutMs);
  CloseHandle(watcher);
  std::printf("  MD2 took %lu ms; longest wait for an answer %lu ms\n", took, watch.longestMs);
  return watch;
}

// Clicks into the plaintext field and types there, and clicks About; then messages that
// change nothing, as another program might send them. Those are answered in the breaks
// after the clicks and keys have been handled.
void ClickAboutAndType(Session& s) {
  HWND main = s.main;
  HWND field = GetDlgItem(main, IDC_PLAINTEXT);
  ClickAndType(CentreOf(field), "xyz");
  ClickAndType(CentreOf(GetDlgItem(main, IDC_ABOUT)), "");
  DWORD_PTR ignored = 0;
  for (UINT message : {UINT{WM_CLEAR}, UINT{EM_UNDO}, UINT{WM_KEYDOWN}})
    SendMessageTimeoutW(field, message, message == WM_KEYDOWN ? VK_SHIFT : 0, 0,
                        SMTO_NORMAL, kTimeoutMs, &ignored);
}

void PressEscape(Session&) { PressKey(VK_ESCAPE); }  // then waits for it to be handled

// After a command: the text as it was, and the buttons and the field free again.
bool LeftAsItWas(HWND main, size_t length) {
  HWND field = GetDlgItem(main, IDC_PLAINTEXT);
  bool ok = Expect(TextLengthOf(field) == length, "the text changed");
  for (int id : {IDC_MD2, IDC_MD5, IDC_ABOUT})
    ok &= Expect(IsWindowEnabled(GetDlgItem(main, id)) != FALSE, "button %d left disabled", id);
  const LONG_PTR style = GetWindowLongPtrA(field, GWL_STYLE);
  return ok & Expect((style & ES_READONLY) == 0, "the plaintext field left read-only");
}

// Another window the user goes to while a command runs: the box of a second copy of the
// program, started meanwhile.
Program g_second = {};
HWND g_box = nullptr;
bool g_focusHeld = false;  // on an enabled control of the dialog whenever it was looked at

bool FocusOnEnabledControl(HWND main) {
  HWND focus = FocusIn(main);
  return focus != nullptr && IsChild(main, focus) && IsWindowEnabled(focus);
}

void GoToDuplicate(Session& s) {
  g_focusHeld = FocusOnEnabledControl(s.main);
  if (StartProgram(s.exe, "", &g_second))
    g_box = WaitForDialog(g_second, "Duplicate", kTimeoutMs);
  WaitUntil([&] { return GetForegroundWindow() != s.main; }, kTimeoutMs);
}

void CloseDuplicate() {
  if (g_box != nullptr) ClickLater(g_box, IDOK);
  DWORD code = 0;
  WaitForExit(&g_second, kTimeoutMs, &code);
  EndProgram(&g_second);
  g_box = nullptr;
}

void GoToDuplicateAndBack(Session& s) {
  GoToDuplicate(s);
  CloseDuplicate();
  BringToFront(s.main);
  Settle();
  g_focusHeld &= FocusOnEnabledControl(s.main);
}

// Once the command has ended, and the user is back: the button pressed has the focus again,
// and a key typed changes nothing. A plaintext selected whole behind the user's back would be
// replaced by it.
bool FocusGivenBack(Session& s, size_t length) {
  CloseDuplicate();
  bool ok = Expect(BringToFront(s.main), "the window would not come to the front");
  Settle();
  HWND focus = FocusIn(s.main);
  ok &= Expect(focus == GetDlgItem(s.main, IDC_MD2), "the focus is on control %d, not on MD2",
               GetDlgCtrlID(focus));
  TypeLetters("q");
  return ok & LeftAsItWas(s.main, length);
}

bool EnterPressesMD2(Session& s, const std::string& md2) {
  HWND hash = GetDlgItem(s.main, IDC_HASH);
  WriteText(hash, "");
  PressKey(VK_RETURN);
  return Expect(WaitUntil([&] { return ReadText(hash) == md2; }, kTimeoutMs),
                "Enter on MD2: the hash field shows \"%s\"", ReadText(hash).c_str());
}

bool LongTextNamesWhatIsMissing(Session& s, HWND field, uint32_t missing) {
  const std::string ascii = LongAsciiText(200000);
  std::wstring text(ascii.begin(), ascii.end());
  const std::wstring character =
      missing > 0xFFFF ? L"\U0001F600" : std::wstring(1, static_cast<wchar_t>(missing));
  text.replace(150001, character.size(), character);  // past what 16 bits can count
  if (!Expect(PasteIntoEmptyField(field, text, false), "cannot fill the clipboard")) return false;
  WaitUntil([&] { return TextLengthOf(field) == text.size(); }, kTimeoutMs);
  Click(s.main, IDC_MD5);
  const Paste paste = {text.c_str(), nullptr, missing};
  const Selection want = WhereCharacterIs(text, missing);
  const Selection got = SelectionOf(field);
  return ExpectText(ReadItemText(s.main, IDC_HASH), Expected(paste, IDC_MD5), "message") &
         Expect(got.start == want.start && got.end == want.end,
                "selected %lu..%lu, the character is at %lu..%lu", got.start, got.end,
                want.start, want.end) &
         Expect(ReadUnicodeText(field) == text, "the text changed");
}

}  // namespace

bool CheckLongTextsInPlace(Session& s) {
  if (!HaveMain(s)) return false;
  HWND field = GetDlgItem(s.main, IDC_PLAINTEXT);
  // A zero-width space, as text copied from web pages carries, and an emoji, deep inside.
  bool ok = LongTextNamesWhatIsMissing(s, field, 0x200B);
  ok &= LongTextNamesWhatIsMissing(s, field, 0x1F600);
  // Long enough that MD2 takes a while after its progress shows, even on a fast machine.
  const std::string text = LongAsciiText(16 << 20);
  const DWORD pasted = GetTickCount();
  if (!Expect(PasteIntoEmptyField(field, std::wstring(text.begin(), text.end()), false),
              "cannot fill the clipboard"))
    return false;
  WaitUntil([&] { return TextLengthOf(field) == text.size(); }, kStartTimeoutMs);
  std::printf("  16 MB pasted in %lu ms\n", GetTickCount() - pasted);
  DigestText md5 = {};
  DigestText md2 = {};
  HashTextMD5(text.c_str(), md5);
  HashTextMD2(text.c_str(), md2);
  Click(s.main, IDC_MD5);
  ok &= ExpectText(ReadItemText(s.main, IDC_HASH), md5, "MD5 of 16 MB");
  if (!Expect(BringToFront(s.main), "the window would not come to the front")) return false;
  // Nothing typed or clicked during the command acts, then or later.
  const std::string busyPicture =
      s.pictureDir != nullptr ? std::string(s.pictureDir) + "\\busy.bmp" : "";
  const Watch typed = WatchCommand(s, ClickMD2, ClickAboutAndType, busyPicture);
  ok &= ExpectText(ReadItemText(s.main, IDC_HASH), md2, "MD2 of 16 MB");
  ok &= Expect(typed.answered, "the window answered nothing while MD2 ran") &
        Expect(typed.sawProgress, "the hash field never showed the command at work") &
        Expect(typed.busyAfter, "MD2 ended before the clicks and keys were handled");
  ok &= Expect(WaitForDialog(s.program, "", 1000, s.main) == nullptr, "About opened") &
        LeftAsItWas(s.main, text.size());
  // Away to another window and back while it runs, or back only once it has ended.
  for (void (*away)(Session&) : {GoToDuplicateAndBack, GoToDuplicate}) {
    const Watch watch = WatchCommand(s, ClickMD2, away);
    const char* where = away == GoToDuplicate ? "away" : "away and back";
    std::printf("  %s in %lu ms\n", where, watch.duringMs);
    ok &= ExpectText(ReadItemText(s.main, IDC_HASH), md2, "MD2 with the user away") &
          Expect(watch.busyAfter, "MD2 ended before the user was %s", where) &
          Expect(g_focusHeld, "during MD2 the focus left the dialog's enabled controls") &
          FocusGivenBack(s, text.size());
    // Given back as the dialog manager gives it: the default button, which Enter presses.
    if (away == GoToDuplicate) ok &= EnterPressesMD2(s, md2);
  }
  // Escape stops it, without a digest.
  const Watch stopped = WatchCommand(s, ClickMD2, PressEscape);
  ok &= ExpectText(ReadItemText(s.main, IDC_HASH), "Hashing stopped: no digest", "after Escape");
  ok &= Expect(stopped.busyAfter == false, "MD2 went on after Escape") &
        FocusGivenBack(s, text.size());
  // Keys typed ahead of the command, or at its progress, meet nothing: Tab and Space, once
  // at once and once while it runs, and a Shift+Tab that would select the whole text.
  struct TypedAhead {
    void (*start)(Session&);
    void (*during)(Session&);
    const char* keys;
  };
  for (const TypedAhead& run : {TypedAhead{SpaceTabSpace, TabSpace, "Tab and Space"},
                                TypedAhead{SpaceShiftTab, nullptr, "Shift+Tab"}}) {
    const Watch watch = WatchCommand(s, run.start, run.during);
    if (!Expect(IsRunning(s.program), "%s typed ahead of MD2 ended the program", run.keys))
      return false;
    ok &= ExpectText(ReadItemText(s.main, IDC_HASH), md2, run.keys) &
          Expect(watch.sawProgress, "MD2 after %s showed no progress", run.keys) &
          Expect(run.during == nullptr || watch.busyAfter, "MD2 ended before the keys") &
          FocusGivenBack(s, text.size());
  }
  return ok;
}
