#include "platform/sdl/sdl_windows.h"

#include <SDL.h>

#include "platform/framework_error.h"
#include "platform/text_codec.h"

namespace platform::sdl {

namespace {
Point Borders(SDL_Window* window) {
  int top = 0, left = 0, bottom = 0, right = 0;
  // Fails while no window manager has framed the window: no frame yet.
  if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) return {};
  return {left, top};
}
}  // namespace

SdlWindows::~SdlWindows() {
  for (auto& [id, window] : windows_) {
    if (presenter_ != nullptr) presenter_->Forget(id);
    SDL_DestroyWindow(window.native);
  }
}

WindowId SdlWindows::Create(const WindowDesc& desc) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  // SDL 2.26 takes the taskbar flag only at creation. The borderless window
  // is the game's, which hides its entry as it first shows, so it never has one.
  if (desc.borderless) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR;
  const std::string caption = Cp932ToUtf8(desc.caption);
  // A renderer drawing through OpenGL would otherwise destroy the window and
  // make a new one under the window manager's hands; without OpenGL, the
  // window is made plain and the renderer draws in software.
  SDL_Window* native =
      SDL_CreateWindow(caption.c_str(), desc.left, desc.top, desc.width, desc.height, flags | SDL_WINDOW_OPENGL);
  if (native == nullptr)
    native = SDL_CreateWindow(caption.c_str(), desc.left, desc.top, desc.width, desc.height, flags);
  if (native == nullptr) throw FrameworkError(std::string("SDL_CreateWindow failed: ") + SDL_GetError());
  const WindowId id = nextId_++;
  windows_[id] = Window{native, desc.borderless};
  return id;
}

void SdlWindows::Destroy(WindowId id) {
  auto it = windows_.find(id);
  if (it == windows_.end()) return;
  if (presenter_ != nullptr) presenter_->Forget(id);
  SDL_DestroyWindow(it->second.native);
  windows_.erase(it);
}

const SdlWindows::Window* SdlWindows::Find(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

SDL_Window* SdlWindows::Native(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->native : nullptr;
}

WindowId SdlWindows::FromNative(uint32_t sdlWindowId) const {
  for (const auto& [id, window] : windows_) {
    if (SDL_GetWindowID(window.native) == sdlWindowId) return id;
  }
  return kNoWindow;
}

bool SdlWindows::Borderless(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr && w->borderless;
}

void SdlWindows::Show(WindowId id) {
  if (SDL_Window* w = Native(id)) {
    SDL_ShowWindow(w);
    // A window that shows takes the activation, as the game expects.
    SDL_RaiseWindow(w);
  }
}

void SdlWindows::Focus(WindowId id) {
  if (SDL_Window* w = Native(id)) {
    SDL_ShowWindow(w);
    SDL_RaiseWindow(w);
    // Raising alone leaves the keyboard with the window manager's choice.
    SDL_SetWindowInputFocus(w);
  }
}

void SdlWindows::Hide(WindowId id) {
  if (SDL_Window* w = Native(id)) SDL_HideWindow(w);
}

void SdlWindows::Move(WindowId id, int32_t left, int32_t top) {
  if (SDL_Window* w = Native(id)) {
    const Point frame = ClientOffset(id);
    SDL_SetWindowPosition(w, left + frame.x, top + frame.y);
  }
}

void SdlWindows::Resize(WindowId id, int32_t width, int32_t height) {
  if (SDL_Window* w = Native(id)) SDL_SetWindowSize(w, width, height);
}

void SdlWindows::Minimise(WindowId id) {
  if (SDL_Window* w = Native(id)) SDL_MinimizeWindow(w);
}

void SdlWindows::Restore(WindowId id) {
  if (SDL_Window* w = Native(id)) SDL_RestoreWindow(w);
}

bool SdlWindows::IsMinimised(WindowId id) const {
  SDL_Window* w = Native(id);
  return w != nullptr && (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED) != 0;
}

Point SdlWindows::Position(WindowId id) const {
  SDL_Window* w = Native(id);
  if (w == nullptr) return {};
  int x = 0, y = 0;
  SDL_GetWindowPosition(w, &x, &y);
  const Point frame = ClientOffset(id);
  return {x - frame.x, y - frame.y};
}

Point SdlWindows::ClientOffset(WindowId id) const {
  const Window* w = Find(id);
  if (w == nullptr || w->borderless) return {};
  return Borders(w->native);
}

Size SdlWindows::ClientSize(WindowId id) const {
  SDL_Window* w = Native(id);
  if (w == nullptr) return {};
  Size size;
  SDL_GetWindowSize(w, &size.width, &size.height);
  return size;
}

bool SdlWindows::AppActive() const {
  for (const auto& [id, window] : windows_) {
    if ((SDL_GetWindowFlags(window.native) & SDL_WINDOW_INPUT_FOCUS) != 0) return true;
  }
  return false;
}

Point SdlWindows::CursorPos() const {
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  if (presenter_ == nullptr) return {x, y};
  // Over a window that fills the screen with a scaled picture, the pointer is
  // told in the picture's pixels, as the events are, so the game's own
  // screen-to-client sum lands on the same point.
  for (const auto& [id, window] : windows_) {
    const std::optional<FullScreenFit> fit = presenter_->PictureFit(id);
    if (!fit) continue;
    const Point origin = Position(id);
    const Point frame = ClientOffset(id);
    const Point client = ScreenToPicture(*fit, {x - origin.x - frame.x, y - origin.y - frame.y});
    return {origin.x + frame.x + client.x, origin.y + frame.y + client.y};
  }
  return {x, y};
}

Size SdlWindows::ScreenSize() const {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {640, 480};
  return {mode.w, mode.h};
}

}  // namespace platform::sdl
