#include <SDL.h>
#include <SDL_syswm.h>
#include <dwmapi.h>
#include <shellscalingapi.h>
#include <windows.h>

#include "platform/sdl/native_system.h"

namespace platform::sdl {

namespace {

HWND HandleOf(SDL_Window* window) {
  if (window == nullptr) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_WINDOWS) return nullptr;
  return info.info.win.window;
}

void RestyleFrame(HWND hwnd) {
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int32_t DesktopScale() {
  // The process is aware of each monitor's density (its manifest says so);
  // the game opens on the primary monitor.
  UINT dpiX = 96, dpiY = 96;
  const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &dpiX, &dpiY) != S_OK) return 1;
  return dpiY < 144 ? 1 : static_cast<int32_t>((dpiY + 48) / 96);
}

bool OffersDirectRendering() { return true; }

// SDL draws through Direct3D here; a window made for OpenGL would only load
// OpenGL's libraries for nothing.
bool RenderersDrawWithOpenGl() { return false; }

bool SystemKnows(SDL_Window* window) { return HandleOf(window) != nullptr; }

std::optional<FrameExtents> MeasuredFrame(SDL_Window* window) {
  const HWND hwnd = HandleOf(window);
  if (hwnd == nullptr) return std::nullopt;
  // The frame as the player sees it: Windows 10 and later draw theirs inside
  // a wider, invisible border that the window's own rectangle counts.
  RECT outer{};
  if (DwmGetWindowAttribute(hwnd, DWMWA_EXTENDED_FRAME_BOUNDS, &outer, sizeof outer) != S_OK &&
      !GetWindowRect(hwnd, &outer))
    return std::nullopt;
  RECT client{};
  POINT origin{0, 0};
  if (!GetClientRect(hwnd, &client) || !ClientToScreen(hwnd, &origin)) return std::nullopt;
  return FrameExtents{origin.x - outer.left, origin.y - outer.top, outer.right - (origin.x + client.right),
                      outer.bottom - (origin.y + client.bottom)};
}

bool WindowManagerRuns(SDL_Window*) { return true; }

std::optional<Point> ClientOrigin(SDL_Window* window) {
  const HWND hwnd = HandleOf(window);
  POINT origin{0, 0};
  if (hwnd == nullptr || !ClientToScreen(hwnd, &origin)) return std::nullopt;
  return Point{origin.x, origin.y};
}

std::optional<Point> PointerOnScreen(SDL_Window*) {
  POINT at{};
  if (!GetCursorPos(&at)) return std::nullopt;
  return Point{at.x, at.y};
}

bool MoveClientTo(SDL_Window* window, Point client) {
  const HWND hwnd = HandleOf(window);
  RECT outer{};
  POINT origin{0, 0};
  if (hwnd == nullptr || !GetWindowRect(hwnd, &outer) || !ClientToScreen(hwnd, &origin)) return false;
  return SetWindowPos(hwnd, nullptr, client.x - (origin.x - outer.left), client.y - (origin.y - outer.top), 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

void SkipTaskbar(SDL_Window* window, bool shown) {
  const HWND hwnd = HandleOf(window);
  if (hwnd == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  if ((style & WS_EX_TOOLWINDOW) != 0) return;
  // The taskbar looks at a window's style as it is shown, so a shown window
  // is shown again.
  if (shown) ShowWindow(hwnd, SW_HIDE);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
  RestyleFrame(hwnd);
  if (shown) ShowWindow(hwnd, SW_SHOWNA);
}

void OfferMoveAndCloseOnly(SDL_Window* window) {
  const HWND hwnd = HandleOf(window);
  if (hwnd == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  RestyleFrame(hwnd);
}

void ActivateOnMap(SDL_Window*, bool activate) {
  // SDL reads it as it next shows a window.
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, activate ? "0" : "1");
}

bool Iconic(SDL_Window* window) {
  const HWND hwnd = HandleOf(window);
  return hwnd != nullptr && IsIconic(hwnd);
}

void Deiconify(SDL_Window* window) {
  if (const HWND hwnd = HandleOf(window)) ShowWindow(hwnd, SW_RESTORE);
}

}  // namespace platform::sdl
