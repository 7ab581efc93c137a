#include "platform/headless/headless_windows.h"

namespace platform::headless {

namespace {
// A framed window's client area starts below a caption and inside a border.
constexpr Point kFrame{3, 22};
}  // namespace

WindowId HeadlessWindows::Create(const WindowDesc& desc) {
  const WindowId id = nextId_++;
  windows_[id] = Window{desc, {desc.left, desc.top}, {desc.width, desc.height}, false, false};
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

void HeadlessWindows::Move(WindowId id, int32_t left, int32_t top) {
  if (Window* w = Get(id)) w->position = {left, top};
}

void HeadlessWindows::Resize(WindowId id, int32_t width, int32_t height) {
  if (Window* w = Get(id)) w->client = {width, height};
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

Size HeadlessWindows::ClientSize(WindowId id) const {
  const Window* w = Find(id);
  return w != nullptr ? w->client : Size{};
}

Point HeadlessWindows::ClientOffset(WindowId id) const {
  const Window* w = Find(id);
  return (w == nullptr || w->desc.borderless) ? Point{} : kFrame;
}

}  // namespace platform::headless
