#include "platform/web/web_windows.h"

#include <emscripten.h>

#include "platform/web/web_page.h"

// Each window is a canvas on the page's desktop; its id names it.
EM_JS(void, page_create_canvas, (int id), {
  const canvas = document.createElement("canvas");
  canvas.id = "lumora-window-" + id;
  canvas.className = "lumora-window";
  canvas.lumoraId = id;
  canvas.hidden = true;
  Module.lumoraPage.desktop.appendChild(canvas);
  Module.lumoraPage.attachPointer(canvas);
});

EM_JS(void, page_remove_canvas, (int id), {
  const canvas = Module.lumoraPage.canvasOf(id);
  if (canvas) canvas.remove();
});

// Place and size in screen pixels; the page lays them out in CSS pixels.
EM_JS(void, page_place_canvas, (int id, int left, int top, int width, int height, int shown, int scale), {
  const canvas = Module.lumoraPage.canvasOf(id);
  if (!canvas) return;
  if (canvas.width != width || canvas.height != height) {
    canvas.width = width;
    canvas.height = height;
    canvas.lumoraCleared = true;
  }
  canvas.style.left = (left / scale) + "px";
  canvas.style.top = (top / scale) + "px";
  canvas.style.width = (width / scale) + "px";
  canvas.style.height = (height / scale) + "px";
  canvas.hidden = !shown;
  // The newest window shown stands on top, as a window manager raises it.
  if (shown && canvas.style.zIndex != Module.lumoraPage.topZ) canvas.style.zIndex = ++Module.lumoraPage.topZ;
});

EM_JS(int, page_cursor_x, (), { return Module.lumoraPage.cursorX; });
EM_JS(int, page_cursor_y, (), { return Module.lumoraPage.cursorY; });

namespace platform::web {

WebWindows::WebWindows() : scale_(StartPage()) {}

Size WebWindows::ScreenSize() const { return PageScreen(); }

WebWindows::Window* WebWindows::Get(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

const WebWindows::Window* WebWindows::Find(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId WebWindows::Create(const WindowDesc& desc) {
  const WindowId id = nextId_++;
  Window& w = windows_[id];
  w.client = {desc.width, desc.height};
  w.placement.outer = {desc.left, desc.top};
  w.position = w.placement.outer;
  page_create_canvas(id);
  Update(id, w);
  return id;
}

void WebWindows::Destroy(WindowId id) {
  windows_.erase(id);
  page_remove_canvas(id);
  if (active_ == id) active_ = kNoWindow;
}

void WebWindows::Update(WindowId id, const Window& w) const {
  page_place_canvas(id, w.position.x, w.position.y, w.client.width, w.client.height, w.visible && !w.minimised,
                    scale_);
}

void WebWindows::Place(WindowId id, Window& w) {
  const Rect client = PlaceClient(w.placement, {}, w.client, ScreenSize());
  w.position = {client.left, client.top};
  w.client = {client.Width(), client.Height()};
  Update(id, w);
}

void WebWindows::Show(WindowId id) {
  if (Window* w = Get(id)) {
    w->visible = true;
    if (!w->minimised) active_ = id;
    Update(id, *w);
  }
}

void WebWindows::Focus(WindowId id) {
  const Window* w = Find(id);
  if (w != nullptr && w->visible && !w->minimised) active_ = id;
}

void WebWindows::Hide(WindowId id) {
  if (Window* w = Get(id)) {
    w->visible = false;
    if (active_ == id) active_ = kNoWindow;
    Update(id, *w);
  }
}

void WebWindows::Move(WindowId id, int32_t left, int32_t top) {
  if (Window* w = Get(id)) {
    w->placement.centred = false;
    w->placement.over.reset();
    w->placement.outer = {left, top};
    Place(id, *w);
  }
}

void WebWindows::CentreOnScreen(WindowId id) {
  if (Window* w = Get(id)) {
    w->placement.centred = true;
    w->placement.over.reset();
    Place(id, *w);
  }
}

void WebWindows::CentreOver(WindowId id, const Rect& area) {
  if (Window* w = Get(id)) {
    w->placement.centred = false;
    w->placement.over = area;
    Place(id, *w);
  }
}

void WebWindows::Resize(WindowId id, int32_t width, int32_t height) {
  if (Window* w = Get(id)) {
    w->client = {width, height};
    w->placement.outerSize.reset();
    Update(id, *w);
  }
}

void WebWindows::SetOuterSize(WindowId id, int32_t width, int32_t height) {
  if (Window* w = Get(id)) {
    w->placement.outerSize = Size{width, height};
    Place(id, *w);
  }
}

Size WebWindows::ClientSize(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->client : Size{};
}

void WebWindows::Minimise(WindowId id) {
  if (Window* w = Get(id)) {
    w->minimised = true;
    if (active_ == id) active_ = kNoWindow;
    Update(id, *w);
  }
}

void WebWindows::Restore(WindowId id) {
  if (Window* w = Get(id)) {
    w->minimised = false;
    if (w->visible) active_ = id;
    Update(id, *w);
  }
}

bool WebWindows::IsMinimised(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr && w->minimised;
}

Point WebWindows::Position(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->position : Point{};
}

bool WebWindows::AppActive() const { return active_ != kNoWindow && PageActive(); }

Point WebWindows::CursorPos() const { return {page_cursor_x(), page_cursor_y()}; }

WindowId WebWindows::KeyWindow() const {
  if (active_ != kNoWindow) return active_;
  // With none active the keys go to the topmost window shown.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if (it->second.visible && !it->second.minimised) return it->first;
  return kNoWindow;
}

}  // namespace platform::web
