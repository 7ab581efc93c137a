#include <algorithm>
#include <cmath>
#include <limits>

#include "art.h"
#include "bitmap_writer.h"

namespace art {

namespace {

// The colour table from the picture's own colours by median cut: the box of
// colours with the widest channel is halved at its median until there are
// 256, and each box gives its mean.
std::vector<Rgb> Palette(const Canvas& picture) {
  std::vector<Rgb> colours;
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x) colours.push_back(picture.At(x, y));
  using Box = std::pair<size_t, size_t>;
  std::vector<Box> boxes{{0, colours.size()}};
  auto channel = [](const Rgb& c, int32_t k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; };
  auto widest = [&](const Box& box, int32_t& which) {
    int32_t best = -1;
    for (int32_t k = 0; k < 3; ++k) {
      int32_t lo = 255, hi = 0;
      for (size_t i = box.first; i < box.second; ++i) {
        lo = std::min<int32_t>(lo, channel(colours[i], k));
        hi = std::max<int32_t>(hi, channel(colours[i], k));
      }
      if (hi - lo > best) best = hi - lo, which = k;
    }
    return best;
  };
  while (boxes.size() < 256) {
    size_t pick = 0;
    int32_t pickWidth = 0, pickChannel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      int32_t k = 0;
      const int32_t w = boxes[i].second - boxes[i].first > 1 ? widest(boxes[i], k) : 0;
      if (w > pickWidth) pickWidth = w, pick = i, pickChannel = k;
    }
    if (pickWidth == 0) break;
    const Box box = boxes[pick];
    std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.first), colours.begin() + static_cast<std::ptrdiff_t>(box.second),
              [&](const Rgb& l, const Rgb& r) { return channel(l, pickChannel) < channel(r, pickChannel); });
    const size_t middle = (box.first + box.second) / 2;
    boxes[pick] = {box.first, middle};
    boxes.push_back({middle, box.second});
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    uint64_t r = 0, g = 0, b = 0;
    for (size_t i = box.first; i < box.second; ++i) r += colours[i].r, g += colours[i].g, b += colours[i].b;
    const uint64_t n = box.second - box.first;
    palette.push_back({static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n)});
  }
  palette.resize(256);
  return palette;
}

uint8_t Nearest(const std::vector<Rgb>& palette, Rgb c) {
  int32_t best = 0;
  int64_t bestDistance = std::numeric_limits<int64_t>::max();
  for (int32_t i = 0; i < 256; ++i) {
    const int64_t dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
    const int64_t d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<uint8_t>(best);
}

// A board in the middle of play, drawn from the sprite tiles: the lit cells
// and the counts and matches they really give against the hidden ones.
void Board(Canvas& c, const Canvas& sprites, int32_t x, int32_t y, const char* lit, const char* hidden, int32_t columns,
           int32_t rows) {
  auto at = [columns, rows](const char* grid, int32_t col, int32_t row) {
    return col >= 0 && row >= 0 && col < columns && row < rows && grid[row * columns + col] == '#';
  };
  for (int32_t row = 0; row < rows; ++row)
    for (int32_t col = 0; col < columns; ++col) {
      int32_t sx = 0, sy = 0;
      if (at(lit, col, row)) {
        sx = 20;
      } else {
        int32_t n = 0, h = 0;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          n += at(lit, col + dx, row + dy);
          h += at(hidden, col + dx, row + dy);
        }
        sy = 20 * n;
        sx = n > 0 && n == h ? 20 : 0;
      }
      for (int32_t ty = 0; ty < 20; ++ty)
        for (int32_t tx = 0; tx < 20; ++tx) c.Set(x + 20 * col + tx, y + 20 * row + ty, sprites.At(sx + tx, sy + ty));
    }
}

}  // namespace
Canvas StartPicture() {
  Canvas c(350, 200);
  c.VerticalGradient({0, 0, 350, 200}, {30, 70, 86}, {10, 24, 36});
  for (int32_t y = 0; y < 200; ++y)
    for (int32_t x = 0; x < 350; ++x) {
      const double d = std::hypot(x - 90.0, y - 100.0) / 120;
      if (d < 1) c.Blend(x, y, {250, 210, 110}, 0.22 * (1 - d * d));
    }
  const Canvas sprites = SpriteSheet();
  // A small board in play: lit cells with the counts they cause around them.
  c.Fill({26, 36, 154, 164}, {14, 20, 26});
  c.Frame({26, 36, 154, 164}, {120, 150, 170});
  Board(c, sprites, 30, 40,
        "......"
        ".#...."
        "..#..."
        "......"
        "....#."
        "......",
        ".#...."
        ".#...."
        "..#..."
        "...#.."
        "....#."
        "......",
        6, 6);
  static const auto big = MakeFont(40, 20);
  static const auto middle = MakeFont(16, 8);
  static const auto small = MakeFont(12, 6);
  c.CentredOutlinedText({164, 40, 346, 92}, Trimmed(RenderText(*big, Words("Lumora"))), {255, 230, 120}, {90, 40, 10});
  // TRANSLATORS: the line under the name; Japanese writes the name again in Latin letters.
  c.CentredOutlinedText({164, 92, 346, 116}, Trimmed(RenderText(*middle, Words("a logic puzzle"))), {210, 240, 250}, {16, 30, 44});
  c.Fill({184, 124, 326, 125}, {120, 150, 170});
  c.CentredText({164, 132, 346, 148}, Trimmed(RenderText(*small, Words("Light up the cells"))), {230, 236, 246});
  c.CentredText({164, 150, 346, 166}, Trimmed(RenderText(*small, Words("and find the hidden pattern"))), {230, 236, 246});
  c.Frame({0, 0, 350, 200}, {120, 150, 170});
  return c;
}

Canvas PanelPicture() {
  Canvas c(96, 46);
  c.VerticalGradient({0, 0, 96, 46}, {30, 70, 86}, {12, 30, 44});
  const Canvas sprites = SpriteSheet();
  Board(c, sprites, 8, 4, ".#.#", ".#..", 4, 1);
  static const auto small = MakeFont(12, 6);
  c.CentredOutlinedText({0, 27, 96, 43}, Trimmed(RenderText(*small, Words("Taking a break"))), {255, 230, 120}, {16, 20, 30});
  c.Frame({0, 0, 96, 46}, {20, 26, 34});
  return c;
}

std::vector<uint8_t> Bitmap8(const Canvas& picture) {
  const std::vector<Rgb> palette = Palette(picture);
  const int32_t w = picture.Width(), h = picture.Height();
  const int32_t rowBytes = (w + 3) / 4 * 4;
  const uint32_t offset = 14 + 40 + 256 * 4;
  std::vector<uint8_t> b = BlankBitmap(w, h, 8, 256);
  for (size_t i = 0; i < 256; ++i) {
    b[54 + 4 * i] = palette[i].b;
    b[55 + 4 * i] = palette[i].g;
    b[56 + 4 * i] = palette[i].r;
  }
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      b[offset + static_cast<size_t>(h - 1 - y) * rowBytes + x] = Nearest(palette, picture.At(x, y));
  return b;
}

}  // namespace art
