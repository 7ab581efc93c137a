#include "game/varnix.h"

namespace game {

// The game form's display operations are the engine's, on its own display.
void TVarnix::InitDisplay() { display::InitDisplay(Screen); }
void TVarnix::ReleaseDisplay() { display::ReleaseDisplay(Screen); }
void TVarnix::CreateDevice() { display::CreateDevice(Screen); }
void TVarnix::CreateOffscreen() { display::CreateOffscreen(Screen); }
void TVarnix::DetectPixelFormat() { display::DetectPixelFormat(Screen); }
void TVarnix::Present() { display::Present(Screen); }
void TVarnix::RestoreSurfaces() { display::RestoreSurfaces(Screen); }
void TVarnix::LoadSheet(platform::Surface* surface, const std::string& name) {
  display::LoadSheet(Screen, surface, name);
}
void TVarnix::SetSheetKey(platform::Surface* surface, int32_t r, int32_t g, int32_t b) {
  display::SetSheetKey(Screen, surface, r, g, b);
}
void TVarnix::BltOpaque(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
  display::BltOpaque(Screen, x, y, source, left, top, right, bottom);
}
void TVarnix::BltKeyed(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                       int32_t bottom) {
  display::BltKeyed(Screen, x, y, source, left, top, right, bottom);
}
void TVarnix::BltTileRow(int32_t x, int32_t y, platform::Surface* source,
                         std::span<const platform::Point> corners, platform::Size size) {
  display::BltTileRow(Screen, x, y, source, corners, size);
}
void TVarnix::DarkenRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t n) {
  display::DarkenRect(Screen, x, y, width, height, n);
}
void TVarnix::TintRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t r, int32_t g, int32_t b,
                       int32_t n) {
  display::TintRect(Screen, x, y, width, height, r, g, b, n);
}
void TVarnix::BlendFrom(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                        int32_t bottom, int32_t n) {
  display::BlendFrom(Screen, x, y, source, left, top, right, bottom, n);
}
void TVarnix::BlendKeyedFrom(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top,
                             int32_t right, int32_t bottom, int32_t keyR, int32_t keyG, int32_t keyB, int32_t n) {
  display::BlendKeyedFrom(Screen, x, y, source, left, top, right, bottom, keyR, keyG, keyB, n);
}
void TVarnix::MakeFont(int32_t height, int32_t width, const std::string& face) {
  display::MakeFont(Screen, height, width, face);
}
void TVarnix::PutText(int32_t x, int32_t y, const std::string& text, int32_t textR, int32_t textG, int32_t textB,
                      int32_t backR, int32_t backG, int32_t backB) {
  display::PutText(Screen, x, y, text, textR, textG, textB, backR, backG, backB);
}
void TVarnix::PutTextOn(platform::Surface* surface, int32_t x, int32_t y, const std::string& text, int32_t textR,
                        int32_t textG, int32_t textB, int32_t backR, int32_t backG, int32_t backB) {
  display::PutTextOn(Screen, surface, x, y, text, textR, textG, textB, backR, backG, backB);
}
void TVarnix::PutTextKeyed(int32_t x, int32_t y, const std::string& text, int32_t r, int32_t g, int32_t b) {
  display::PutTextKeyed(Screen, x, y, text, r, g, b);
}

}  // namespace game
