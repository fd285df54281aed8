#include "window_placement.h"

#include <cstdint>

namespace {

// Signed on purpose: a desktop that starts left of or above the origin must still centre,
// and the division truncates toward zero exactly as the layout rule states.
constexpr int32_t CentredStart(int32_t low, int32_t high, int32_t extent) {
  return (low + high - extent) / 2;
}

static_assert(CentredStart(0, 1024, 400) == 312);
static_assert(CentredStart(0, 1023, 400) == 311);
static_assert(CentredStart(-1025, 0, 0) == -512);

}  // namespace

void CenterOnDesktop(HWND window) {
  RECT own = {};
  RECT desktop = {};
  GetWindowRect(window, &own);
  GetWindowRect(GetDesktopWindow(), &desktop);
  const int32_t width = own.right - own.left;
  const int32_t height = own.bottom - own.top;
  const int32_t x = CentredStart(desktop.left, desktop.right, width);
  const int32_t y = CentredStart(desktop.top, desktop.bottom, height);
  MoveWindow(window, x, y, width, height, FALSE);
}

void BeginBodyDrag(HWND window, LPARAM pressAt) {
  // Posted, not sent: the move loop must start after the press has been fully handled.
  PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, pressAt);
}
