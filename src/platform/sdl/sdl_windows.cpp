#include "platform/sdl/sdl_windows.h"

#include <SDL.h>

#include <algorithm>

#include "platform/framework_error.h"
#include "platform/sdl/native_system.h"
#include "platform/text_codec.h"

namespace platform::sdl {

namespace {
bool Shown(SDL_Window* window) { return (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0; }
}  // namespace

SdlWindows::SdlWindows() : scale_(DesktopScale()) {}

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
  // make a new one under the window manager's hands. A window drawn without
  // OpenGL, or where there is none, is made plain: no OpenGL library is
  // loaded for it, and a renderer, if any, draws in software.
  const bool gl = RenderersDrawWithOpenGl() && (presenter_ == nullptr || presenter_->DrawsWithOpenGl());
  SDL_Window* native = gl ? SDL_CreateWindow(caption.c_str(), desc.left, desc.top, desc.width, desc.height,
                                             flags | SDL_WINDOW_OPENGL)
                          : nullptr;
  if (native == nullptr)
    native = SDL_CreateWindow(caption.c_str(), desc.left, desc.top, desc.width, desc.height, flags);
  if (native == nullptr) throw FrameworkError(std::string("SDL_CreateWindow failed: ") + SDL_GetError());
  if (!desc.borderless) OfferMoveAndCloseOnly(native);
  const WindowId id = nextId_++;
  Window& w = windows_[id];
  w.native = native;
  w.borderless = desc.borderless;
  w.skipTaskbar = taskbarHidden_ && !desc.borderless;
  w.placement.outer = {desc.left, desc.top};
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

SdlWindows::Window* SdlWindows::Get(WindowId id) {
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
  Window* w = Get(id);
  if (w == nullptr) return;
  if (w->skipTaskbar && !Shown(w->native)) SkipTaskbar(w->native, false);
  // An earlier inactive showing may have left the system set not to
  // activate: this window's on X11, any window's on Windows.
  ActivateOnMap(w->native, true);
  SDL_ShowWindow(w->native);
  // A window that shows takes the activation, as the game expects.
  SDL_RaiseWindow(w->native);
  // The window manager places a window its own way as it maps it.
  if (w->settling) StartSettling(*w);
}

void SdlWindows::ShowInactive(WindowId id) {
  Window* w = Get(id);
  if (w == nullptr) return;
  if (w->skipTaskbar && !Shown(w->native)) SkipTaskbar(w->native, false);
  // Mapped with no raise, which would ask the window manager for the activation.
  ActivateOnMap(w->native, false);
  SDL_ShowWindow(w->native);
  if (w->settling) StartSettling(*w);
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

void SdlWindows::Place(Window& w) {
  const FrameExtents frame = FrameOf(w);
  int width = 0, height = 0;
  SDL_GetWindowSize(w.native, &width, &height);
  const Rect client = PlaceClient(w.placement, frame, {width, height}, ScreenSize());
  if (client.Width() != width || client.Height() != height)
    SDL_SetWindowSize(w.native, client.Width(), client.Height());
  if (MoveClientTo(w.native, {client.left, client.top})) return;
  // The window manager puts the frame's corner where the window is moved to;
  // SDL moves by its own copy of the frame, which may lag behind ours.
  int top = 0, left = 0, bottom = 0, right = 0;
  SDL_GetWindowBordersSize(w.native, &top, &left, &bottom, &right);
  SDL_SetWindowPosition(w.native, client.left - frame.left + left, client.top - frame.top + top);
}

void SdlWindows::StartSettling(Window& w) {
  if (w.borderless) return;
  w.settling = true;
  w.settleUntil = SDL_GetTicks() + 3000;
  w.corrections = 0;
}

void SdlWindows::Move(WindowId id, int32_t left, int32_t top) {
  Window* w = Get(id);
  if (w == nullptr) return;
  w->placement.centred = false;
  w->placement.over.reset();
  w->placement.outer = {left, top};
  Place(*w);
  StartSettling(*w);
}

void SdlWindows::CentreOnScreen(WindowId id) {
  Window* w = Get(id);
  if (w == nullptr) return;
  w->placement.centred = true;
  w->placement.over.reset();
  Place(*w);
  StartSettling(*w);
}

void SdlWindows::CentreOver(WindowId id, const Rect& area) {
  Window* w = Get(id);
  if (w == nullptr) return;
  w->placement.centred = false;
  w->placement.over = area;
  Place(*w);
  StartSettling(*w);
}

void SdlWindows::Resize(WindowId id, int32_t width, int32_t height) {
  Window* w = Get(id);
  if (w == nullptr) return;
  w->placement.outerSize.reset();
  SDL_SetWindowSize(w->native, width, height);
}

void SdlWindows::SetOuterSize(WindowId id, int32_t width, int32_t height) {
  Window* w = Get(id);
  if (w == nullptr) return;
  w->placement.outerSize = Size{width, height};
  Place(*w);
  StartSettling(*w);
}

Size SdlWindows::ClientSize(WindowId id) const {
  SDL_Window* w = Native(id);
  if (w == nullptr) return {};
  int width = 0, height = 0;
  SDL_GetWindowSize(w, &width, &height);
  return {width, height};
}

bool SdlWindows::Settling() const {
  for (const auto& [id, w] : windows_) {
    if (w.settling || w.bringingBack) return true;
  }
  return false;
}

void SdlWindows::BringBack(WindowId id) {
  Window* w = Get(id);
  if (w == nullptr || w->borderless) return;
  w->bringingBack = true;
  w->bringBackUntil = SDL_GetTicks() + 3000;
}

void SdlWindows::KeepBringingBack(Window& w) {
  if (SDL_TICKS_PASSED(SDL_GetTicks(), w.bringBackUntil)) {
    w.bringingBack = false;
  } else if (Iconic(w.native)) {
    Deiconify(w.native);
  } else if ((SDL_GetWindowFlags(w.native) & SDL_WINDOW_MINIMIZED) == 0) {
    w.bringingBack = false;
  } else if (!SystemKnows(w.native)) {
    SDL_RestoreWindow(w.native);
  }
}

void SdlWindows::Settle() {
  for (auto& [id, w] : windows_) {
    if (w.bringingBack) KeepBringingBack(w);
    if (!w.settling || !Shown(w.native)) continue;
    if (SDL_TICKS_PASSED(SDL_GetTicks(), w.settleUntil) || w.corrections >= 5) {
      w.settling = false;
      continue;
    }
    const std::optional<FrameExtents> frame = MeasuredFrame(w.native);
    // A window manager frames a window a moment after it maps it.
    if (!frame && WindowManagerRuns(w.native)) continue;
    w.frame = frame.value_or(FrameExtents{});
    int width = 0, height = 0;
    SDL_GetWindowSize(w.native, &width, &height);
    const Rect want = PlaceClient(w.placement, w.frame, {width, height}, ScreenSize());
    const std::optional<Point> at = ClientOrigin(w.native);
    if (at && *at == Point{want.left, want.top} && want.Width() == width && want.Height() == height) {
      w.settling = false;
      continue;
    }
    ++w.corrections;
    Place(w);
  }
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

FrameExtents SdlWindows::Frame(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? FrameOf(*w) : FrameExtents{};
}

FrameExtents SdlWindows::FrameOf(const Window& w) const {
  if (w.borderless) return {};
  if (!Shown(w.native)) return w.frame;
  if (const std::optional<FrameExtents> measured = MeasuredFrame(w.native)) {
    w.frame = *measured;
  } else if (!WindowManagerRuns(w.native)) {
    int top = 0, left = 0, bottom = 0, right = 0;
    // Where the system tells nothing, SDL's own figures are all there is.
    if (SDL_GetWindowBordersSize(w.native, &top, &left, &bottom, &right) == 0) w.frame = {left, top, right, bottom};
  }
  return w.frame;
}

bool SdlWindows::AppActive() const {
  for (const auto& [id, window] : windows_) {
    if ((SDL_GetWindowFlags(window.native) & SDL_WINDOW_INPUT_FOCUS) != 0) return true;
  }
  return false;
}

void SdlWindows::HideTaskbarEntry() {
  taskbarHidden_ = true;
  for (auto& [id, w] : windows_) {
    if (w.borderless || w.skipTaskbar) continue;
    w.skipTaskbar = true;
    if (Shown(w.native)) SkipTaskbar(w.native, true);
  }
}

std::optional<Point> SdlWindows::PointerFromEvents() const {
  SDL_Window* focus = SDL_GetMouseFocus();
  if (focus == nullptr) return std::nullopt;
  const bool ours = std::any_of(windows_.begin(), windows_.end(), [&](const auto& w) { return w.second.native == focus; });
  int x = 0, y = 0;
  // With a button held a drag may move the window under the pointer, which no
  // event tells; the X server is asked then.
  if (!ours || pointerStale_ || SDL_GetMouseState(&x, &y) != 0) return std::nullopt;
  int left = 0, top = 0;
  SDL_GetWindowPosition(focus, &left, &top);
  return Point{left + x, top + y};
}

Point SdlWindows::CursorPos() const {
  // Over one of the game's windows SDL's events tell where the pointer is,
  // with no round trip to the X server each frame.
  std::optional<Point> pointer = PointerFromEvents();
  if (!pointer && !windows_.empty()) pointer = PointerOnScreen(windows_.begin()->second.native);
  if (!pointer) {
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    pointer = Point{x, y};
  }
  const int x = pointer->x, y = pointer->y;
  if (presenter_ == nullptr) return {x, y};
  // Over a window that fills the screen with a scaled picture, the pointer is
  // told in the picture's pixels, as the events are, so the game's own
  // screen-to-client sum lands on the same point. A window enlarged by the
  // desktop's scale keeps screen pixels, which its drag works in.
  for (const auto& [id, window] : windows_) {
    const std::optional<FullScreenFit> fit = presenter_->PictureFit(id);
    if (!fit || !presenter_->FillsScreen(id)) continue;
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
