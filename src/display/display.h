#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/draw/clipper.h"
#include "platform/draw/direct_draw.h"
#include "platform/draw/surface.h"
#include "platform/text/font.h"

namespace display {

// What the display reads of the game window, owned by the game form and
// looked at anew on every call.
struct WindowView {
  const uint8_t& FullScreen;
  const int32_t& GameWidth;
  const int32_t& GameHeight;
  const platform::Rect& WindowRect;
  const platform::Rect& SourceRect;
};

// The display objects of one build, each null while it does not exist, with
// the pixel layout and the current font.
struct Display {
  Display(platform::VideoService& video, platform::WindowId window, WindowView view, std::string imageDir);

  // Full screen draws into the flip chain's back buffer, windowed into the
  // frame buffer; decided at the moment of each call.
  platform::Surface* DrawTarget() const { return view.FullScreen != 0 ? BackBuffer : FrameBuffer.get(); }
  bool Live() const { return DirectDrawObject != nullptr; }

  platform::VideoService& video;
  platform::WindowId window;
  WindowView view;
  // The folder of the sheet files, with its trailing slash.
  std::string imageDir;

  std::unique_ptr<platform::DirectDraw> DirectDrawObject;
  std::unique_ptr<platform::PrimarySurface> Primary;
  platform::Surface* BackBuffer = nullptr;
  std::unique_ptr<platform::Surface> FrameBuffer;
  std::unique_ptr<platform::Surface> BackSheet;
  std::unique_ptr<platform::Surface> EffectSheet;
  std::unique_ptr<platform::Surface> SpriteSheet;
  platform::Clipper* Clipper = nullptr;
  platform::RegionData ClipList;

  int32_t RedShift = 0;
  int32_t GreenShift = 0;

  platform::LogFont FontSpec;
  platform::Font* CurrentFont = nullptr;
  // Every font made, kept with its rendered glyphs for the next build.
  std::vector<std::pair<platform::LogFont, std::unique_ptr<platform::Font>>> fonts;

  // Immediate retries of a frame the screen refuses, before it is dropped.
  int presentRetries = 100;
};

// Objects of the device and the sheets, made and released.
void CreateDevice(Display& d);
void CreateOffscreen(Display& d);
void DetectPixelFormat(Display& d);
void ReleaseDisplay(Display& d);

// Sheets.
void LoadSheet(Display& d, platform::Surface* surface, const std::string& name);
void SetSheetKey(Display& d, platform::Surface* surface, int32_t r, int32_t g, int32_t b);

// Copies and pixel effects into the draw target.
void BltOpaque(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
               int32_t bottom);
void BltKeyed(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
              int32_t bottom);
// Opaque tiles of `size` side by side from (x, y), each from its corner of
// `source`: the same pixels as a BltOpaque of each in turn, for less work.
void BltTileRow(Display& d, int32_t x, int32_t y, platform::Surface* source, std::span<const platform::Point> corners,
                platform::Size size);
void DarkenRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t n);
void TintRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t r, int32_t g, int32_t b,
              int32_t n);
void BlendFrom(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
               int32_t bottom, int32_t n);
void BlendKeyedFrom(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top,
                    int32_t right, int32_t bottom, int32_t keyR, int32_t keyG, int32_t keyB, int32_t n);

// Text.
void MakeFont(Display& d, int32_t height, int32_t width, const std::string& face);
void PutText(Display& d, int32_t x, int32_t y, const std::string& text, int32_t textR, int32_t textG, int32_t textB,
             int32_t backR, int32_t backG, int32_t backB);
void PutTextOn(Display& d, platform::Surface* surface, int32_t x, int32_t y, const std::string& text, int32_t textR,
               int32_t textG, int32_t textB, int32_t backR, int32_t backG, int32_t backB);
void PutTextKeyed(Display& d, int32_t x, int32_t y, const std::string& text, int32_t r, int32_t g, int32_t b);

// Presenting the frame, and mending lost surfaces.
void Present(Display& d);
void RestoreSurfaces(Display& d);

// The whole display for the current mode.
void InitDisplay(Display& d);
// The title text on the backdrop sheet, drawn again after the sheet reloads.
void DrawTitle(Display& d);

}  // namespace display
