#include <windows.h>

#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app_title.h"
#include "driver_capture.h"
#include "driver_checks.h"
#include "driver_input.h"
#include "resource.h"

namespace {

struct Fields {
  std::string plaintext;
  std::string hash;
};

Fields ReadFields(HWND main) {
  return {ReadItemText(main, IDC_PLAINTEXT), ReadItemText(main, IDC_HASH)};
}

void FillFields(HWND main) {
  WriteItemText(main, IDC_PLAINTEXT, "About must not\r\ntouch this");
  Click(main, IDC_MD2);
}

// The About box has no window text of its own; it is the dialog that main owns.
HWND OpenAbout(Session& s) {
  ClickLater(s.main, IDC_ABOUT);
  return WaitForDialog(s.program, "", kTimeoutMs, s.main);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

struct PictureCount {
  int bitmaps;
  int icons;
  SIZE bitmapSize;  // of the last of each, as the control shows it
  SIZE iconSize;
};

// A picture control sizes its window to its picture (an edge, where it has one, is drawn
// over the picture's border).
SIZE ShownSize(HWND control) {
  RECT r = {};
  GetWindowRect(control, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Counts the picture statics that actually hold a picture.
BOOL CALLBACK CountPicture(HWND child, LPARAM param) {
  auto* count = reinterpret_cast<PictureCount*>(param);
  const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
  if (type == SS_BITMAP && SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0) {
    count->bitmaps++;
    count->bitmapSize = ShownSize(child);
  }
  if (type == SS_ICON && SendMessageA(child, STM_GETICON, 0, 0) != 0) {
    count->icons++;
    count->iconSize = ShownSize(child);
  }
  return TRUE;
}

int DisplayDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Drawn for the DPI, never stretched: the 254 x 78 banner and the 32 x 32 icon of 100 % times
// the scale.
bool SizedForDpi(const char* what, SIZE shown, int width, int height, int dpi = DisplayDpi()) {
  const SIZE want = {MulDiv(width, dpi, 96), MulDiv(height, dpi, 96)};
  return Expect(shown.cx == want.cx && shown.cy == want.cy, "%s shown at %ldx%ld, not %ldx%ld",
                what, shown.cx, shown.cy, want.cx, want.cy);
}

PictureCount CountPictures(HWND dialog) {
  PictureCount count = {};
  EnumChildWindows(dialog, CountPicture, reinterpret_cast<LPARAM>(&count));
  return count;
}

BOOL CALLBACK CountOwned(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<std::pair<HWND, int>*>(param);
  if (GetWindow(window, GW_OWNER) == count->first && IsWindowVisible(window)) count->second++;
  return TRUE;
}

int OwnedWindows(HWND owner) {
  std::pair<HWND, int> count = {owner, 0};
  EnumWindows(CountOwned, reinterpret_cast<LPARAM>(&count));
  return count.second;
}

// Commands that another program sends the main window beneath the box do nothing: neither
// a second box, nor a hash beneath this one.
bool IgnoresCommandsBeneath(HWND main) {
  WriteItemText(main, IDC_HASH, "");
  for (WORD id : {IDC_ABOUT, IDC_MD2})
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  Settle();
  const int boxes = OwnedWindows(main);
  return Expect(boxes == 1, "%d boxes open over the main window", boxes) &
         ExpectText(ReadItemText(main, IDC_HASH), "", "the hash field, with About open");
}

bool ClosesBackToMain(Session& s, HWND about, const Fields& before) {
  bool ok = Expect(WaitForWindowGone(about, kTimeoutMs), "the About box stayed open");
  ok &= Expect(WaitUntil([&] { return IsWindowEnabled(s.main) != FALSE; }, kTimeoutMs),
               "the main window stayed disabled");
  const Fields after = ReadFields(s.main);
  ok &= ExpectText(after.plaintext, before.plaintext, "plaintext");
  return ok & ExpectText(after.hash, before.hash, "hash field");
}

// What the program has committed for itself, pictures included (Wine reports no
// PrivateUsage for another process, but the commit charge is the same figure).
int64_t CommittedBytes(const Program& program) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(program.info.hProcess,
                       reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return static_cast<int64_t>(counters.PagefileUsage);
}

bool OpensAndCloses(Session& s) {
  HWND about = OpenAbout(s);
  if (about == nullptr) return false;
  PostMessageA(about, WM_CLOSE, 0, 0);
  return WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(s.main); }, kTimeoutMs);
}

// Leaves the box open for the checks that follow; the Finish check closes it.
HWND g_about = nullptr;

HWND AboutOrOpen(Session& s) {
  if (g_about != nullptr && IsWindow(g_about)) return g_about;
  g_about = HaveMain(s) ? OpenAbout(s) : nullptr;
  return g_about;
}

}  // namespace

bool CheckAboutText(Session& s) {
  if (!HaveMain(s)) return false;
  FillFields(s.main);
  HWND about = AboutOrOpen(s);
  if (!Expect(about != nullptr, "no About box appeared")) return false;
  const std::vector<std::string> lines = SplitLines(ReadItemText(about, IDC_ABOUT_TEXT));
  if (!Expect(lines.size() == 6, "%zu lines, first \"%s\"", lines.size(), lines[0].c_str()))
    return false;
  return ExpectText(lines[0], APP_TITLE, "line 1") &
         ExpectText(lines[1], "Implementations of the MD2 and MD5 algorithms.", "line 2") &
         Expect(lines[2].find("Rivest") != std::string::npos, "line 3 does not credit Rivest") &
         ExpectText(lines[3], "", "line 4") &
         Expect(!lines[4].empty() && !lines[5].empty(), "lines 5 and 6 are empty") &
         Expect(!IsWindowEnabled(s.main), "the main window is not disabled under About") &
         IgnoresCommandsBeneath(s.main);
}

bool CheckAboutCentredAfterDrag(Session& s) {
  HWND about = AboutOrOpen(s);
  if (!Expect(about != nullptr, "no About box")) return false;
  RECT main = {};
  GetWindowRect(s.main, &main);
  const POINT centred = CentredOnDesktop(s.main);
  const bool mainMoved = main.left != centred.x || main.top != centred.y;
  return Expect(mainMoved, "(the main window was not dragged away, so this proves little)") &
         IsCentredOnDesktop(about);
}

bool CheckAboutLayout(Session& s) {
  HWND about = AboutOrOpen(s);
  return Expect(about != nullptr, "no About box") && LaysOutCleanly(about);
}

bool CheckAboutPictures(Session& s) {
  HWND about = AboutOrOpen(s);
  if (!Expect(about != nullptr, "no About box")) return false;
  const PictureCount inAbout = CountPictures(about);
  const PictureCount inMain = CountPictures(s.main);
  bool ok = Expect(inAbout.bitmaps == 1 && inAbout.icons == 1,
                   "About shows %d banner(s) and %d icon(s)", inAbout.bitmaps, inAbout.icons);
  ok &= Expect(inMain.bitmaps == 1, "the main window shows %d banner(s)", inMain.bitmaps);
  ok &= SizedForDpi("the main window's banner", inMain.bitmapSize, 254, 78) &
        SizedForDpi("the About box's banner", inAbout.bitmapSize, 254, 78) &
        SizedForDpi("the About box's icon", inAbout.iconSize, 32, 32);
  // What Windows sends as the window moves to a monitor of twice the DPI, and back.
  for (const int dpi : {2 * DisplayDpi(), DisplayDpi()}) {
    PostMessageA(s.main, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), 0);
    WaitUntil([&] { return CountPictures(s.main).bitmapSize.cx == MulDiv(254, dpi, 96); },
              kTimeoutMs);
    ok &= SizedForDpi("the banner after a DPI change", CountPictures(s.main).bitmapSize, 254, 78,
                      dpi);
  }
  if (s.pictureDir != nullptr) {
    Sleep(500);
    const std::string path = std::string(s.pictureDir) + "\\about.bmp";
    ok &= Expect(SaveWindowPicture(about, path.c_str()), "cannot save %s", path.c_str());
  }
  return ok;
}

bool CheckAboutFinishReturns(Session& s) {
  HWND about = AboutOrOpen(s);
  if (!Expect(about != nullptr, "no About box")) return false;
  const Fields before = ReadFields(s.main);
  ClickLater(about, IDC_FINISH);
  g_about = nullptr;
  return ClosesBackToMain(s, about, before);
}

bool CheckAboutCloseReturns(Session& s) {
  if (!HaveMain(s)) return false;
  FillFields(s.main);
  HWND about = OpenAbout(s);
  if (!Expect(about != nullptr, "no About box appeared the second time")) return false;
  const Fields before = ReadFields(s.main);
  PostMessageA(about, WM_CLOSE, 0, 0);
  return ClosesBackToMain(s, about, before);
}

bool CheckAboutMemoryFlat(Session& s) {
  if (!HaveMain(s)) return false;
  // The first openings may set up what the system keeps for good, such as the loaded icon.
  for (int i = 0; i < 3; ++i)
    if (!Expect(OpensAndCloses(s), "About did not open and close")) return false;
  constexpr int kOpenings = 30;
  const int64_t before = CommittedBytes(s.program);
  for (int i = 0; i < kOpenings; ++i)
    if (!Expect(OpensAndCloses(s), "About did not open and close")) return false;
  const int64_t perOpening = (CommittedBytes(s.program) - before) / kOpenings;
  std::printf("  committed memory per opening: %lld bytes\n", static_cast<long long>(perOpening));
  // The banner alone is some 60-80 KB, so a picture kept each time shows plainly.
  return Expect(before > 0 && perOpening < 8 * 1024, "memory grows with each opening");
}
