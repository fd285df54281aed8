#include "driver_input.h"

#include <cstring>

#include "driver_session.h"

namespace {

constexpr int kDragSteps = 8;

void SendKey(WORD key, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

// Normalised so that the system's mapping back (value * extent / 65536) lands on the pixel.
LONG Normalise(LONG pixel, int extent) { return (pixel * 65536 + extent - 1) / extent; }

void SendMouse(DWORD flags, POINT at) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalise(at.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalise(at.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

}  // namespace

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, kTimeoutMs);
}

void PressKey(WORD key) {
  SendKey(key, true);
  SendKey(key, false);
  Settle();
}

void PressChord(WORD modifier, WORD key) {
  TypeAhead({{modifier, key}});
  Settle();
}

void TypeAhead(std::initializer_list<Stroke> strokes) {
  for (const Stroke& stroke : strokes) {
    if (stroke.modifier != 0) SendKey(stroke.modifier, true);
    SendKey(stroke.key, true);
    SendKey(stroke.key, false);
    if (stroke.modifier != 0) SendKey(stroke.modifier, false);
  }
}

namespace {

void SendLetters(const char* letters) {
  for (const char* c = letters; *c != '\0'; ++c) {
    const WORD key = (*c >= 'a' && *c <= 'z') ? static_cast<WORD>(*c - 'a' + 'A')
                                               : static_cast<WORD>(*c);
    SendKey(key, true);
    SendKey(key, false);
  }
}

}  // namespace

void TypeLetters(const char* letters) {
  SendLetters(letters);
  Settle();
}

bool OpenDriverClipboard() {
  static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  return OpenClipboard(owner) != FALSE;
}

bool GiveClipboardText(HGLOBAL text) {
  if (!OpenDriverClipboard()) {
    GlobalFree(text);
    return false;
  }
  EmptyClipboard();
  const bool put = SetClipboardData(CF_UNICODETEXT, text) != nullptr;
  if (!put) GlobalFree(text);
  CloseClipboard();
  return put;
}

namespace {

bool PutOnClipboard(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (data == nullptr) return false;
  std::memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  return GiveClipboardText(data);
}

}  // namespace

bool PasteIntoEmptyField(HWND field, const std::wstring& text, bool withKeys) {
  WriteText(field, "");
  if (!PutOnClipboard(text)) return false;
  if (withKeys) {
    LeftClickAt(CentreOf(field));
    PressChord(VK_CONTROL, 'V');
  } else {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(field, WM_PASTE, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &ignored);
  }
  return true;
}

void MoveMouseTo(POINT at) {
  SendMouse(0, at);
  Settle();
}

void LeftClickAt(POINT at) {
  ClickAndType(at, "");
  Settle();
}

void ClickAndType(POINT at, const char* letters) {
  // Wine's cursor position does not follow injected moves, and a drag that a click starts
  // (on the dialog's body, or on a disabled button) would move the window by the difference.
  SetCursorPos(at.x, at.y);
  SendMouse(0, at);
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(MOUSEEVENTF_LEFTUP, at);
  SendLetters(letters);
}

void ClickToEnd(HWND field) {
  LeftClickAt(CentreOf(field));
  PressChord(VK_CONTROL, VK_END);
}

void LeftDrag(POINT from, POINT to) {
  SendMouse(0, from);
  Settle();
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  Settle();
  for (int step = 1; step <= kDragSteps; ++step) {
    const POINT at = {from.x + (to.x - from.x) * step / kDragSteps,
                      from.y + (to.y - from.y) * step / kDragSteps};
    SendMouse(0, at);
    Sleep(30);
  }
  Settle();
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  Settle();
}

POINT CentreOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Settle() { Sleep(300); }
