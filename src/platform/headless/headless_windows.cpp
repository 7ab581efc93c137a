#include "platform/headless/headless_windows.h"

namespace platform::headless {

WindowId HeadlessWindows::Create(const WindowDesc& desc) {
  const WindowId id = nextId_++;
  windows_[id] = Window{desc, {desc.left, desc.top}, {desc.width, desc.height}, {false, {}, {desc.left, desc.top}, {}}};
  return id;
}

void HeadlessWindows::Destroy(WindowId id) {
  windows_.erase(id);
  if (active_ == id) active_ = kNoWindow;
}

HeadlessWindows::Window* HeadlessWindows::Get(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

const HeadlessWindows::Window* HeadlessWindows::Find(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

void HeadlessWindows::Show(WindowId id) {
  if (Window* w = Get(id)) {
    w->visible = true;
    if (!w->minimised && !lateFocus_) active_ = id;
  }
}

void HeadlessWindows::ShowInactive(WindowId id) {
  if (Window* w = Get(id)) w->visible = true;
}

void HeadlessWindows::Focus(WindowId id) {
  const Window* w = Find(id);
  if (w != nullptr && w->visible && !w->minimised && !lateFocus_) active_ = id;
}

void HeadlessWindows::Hide(WindowId id) {
  if (Window* w = Get(id)) {
    w->visible = false;
    if (active_ == id) active_ = kNoWindow;
  }
}

void HeadlessWindows::Place(Window& w) {
  const FrameExtents frame = w.desc.borderless ? FrameExtents{} : frame_;
  const Rect client = PlaceClient(w.placement, frame, w.client, screen_);
  w.position = {client.left - frame.left, client.top - frame.top};
  w.client = {client.Width(), client.Height()};
}

void HeadlessWindows::SetFrame(FrameExtents frame) {
  frame_ = frame;
  for (auto& [id, w] : windows_) Place(w);
}

void HeadlessWindows::Move(WindowId id, int32_t left, int32_t top) {
  if (Window* w = Get(id)) {
    w->placement.centred = false;
    w->placement.over.reset();
    w->placement.outer = {left, top};
    Place(*w);
  }
}

void HeadlessWindows::CentreOnScreen(WindowId id) {
  if (Window* w = Get(id)) {
    w->placement.centred = true;
    w->placement.over.reset();
    Place(*w);
  }
}

void HeadlessWindows::CentreOver(WindowId id, const Rect& area) {
  if (Window* w = Get(id)) {
    w->placement.centred = false;
    w->placement.over = area;
    Place(*w);
  }
}

void HeadlessWindows::Resize(WindowId id, int32_t width, int32_t height) {
  if (Window* w = Get(id)) {
    w->client = {width, height};
    w->placement.outerSize.reset();
  }
}

void HeadlessWindows::SetOuterSize(WindowId id, int32_t width, int32_t height) {
  if (Window* w = Get(id)) {
    w->placement.outerSize = Size{width, height};
    Place(*w);
  }
}

Size HeadlessWindows::ClientSize(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->client : Size{};
}

void HeadlessWindows::Minimise(WindowId id) {
  if (Window* w = Get(id)) {
    w->minimised = true;
    if (active_ == id) active_ = kNoWindow;
  }
}

void HeadlessWindows::Restore(WindowId id) {
  if (Window* w = Get(id)) {
    w->minimised = false;
    if (w->visible && !lateFocus_) active_ = id;
  }
}

bool HeadlessWindows::IsMinimised(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr && w->minimised;
}

Point HeadlessWindows::Position(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->position : Point{};
}

FrameExtents HeadlessWindows::Frame(WindowId id) const {
  const Window* w = Find(id);
  return (w == nullptr || w->desc.borderless) ? FrameExtents{} : frame_;
}

}  // namespace platform::headless
