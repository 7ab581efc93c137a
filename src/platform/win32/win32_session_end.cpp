#include <SDL.h>
#include <windows.h>

#include <thread>

#include "platform/sdl/native_system.h"

namespace platform::sdl {

namespace {

// A logoff or a shutdown asks every top-level window, then ends the process
// as soon as they have answered. The game saves as it quits, on its own
// thread, so this window tells it to quit and holds the session's end back
// until the process is gone.
LRESULT CALLBACK SessionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYENDSESSION) return TRUE;
  if (message == WM_ENDSESSION) {
    if (wParam) {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
      Sleep(10000);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void WatchSessionEnd() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = SessionWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"LumoraSessionEnd";
  if (!RegisterClassW(&windowClass)) return;
  // Hidden, but top-level: a message-only window is not told of the session's end.
  if (CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                      windowClass.hInstance, nullptr) == nullptr)
    return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

}  // namespace

void BeforeVideoStarts() {}

void AfterVideoStarted() {
  static bool watching = false;
  if (watching) return;
  watching = true;
  std::thread(WatchSessionEnd).detach();
}

}  // namespace platform::sdl
