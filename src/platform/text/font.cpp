#include "platform/text/font.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "platform/draw/clip.h"
#include "platform/text/cell_font.h"
#include "platform/text/cp932.h"
#include "platform/text/face_lookup.h"
#include "platform/text/glyph_rasterizer.h"
#include "platform/text/text_strips.h"
#include "platform/text_codec.h"

namespace platform {

namespace {

// Larger cells than this are drawn as boxes: their masks would be huge.
constexpr int32_t kMaxCellSide = 512;
// The most a font keeps of rendered half-width glyphs, and again of
// full-width ones; one cell of the largest size fits.
constexpr size_t kGlyphBudget = size_t{1} << 20;

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Cell sides are kept far below the int32 range so that widths add up safely.
int32_t CellSide(int32_t value) {
  constexpr int64_t kLimit = int64_t{1} << 20;
  return static_cast<int32_t>(std::min(value < 0 ? -int64_t{value} : int64_t{value}, kLimit));
}

// Each glyph is rendered once, on first use, into a mask of its whole cell;
// after that a text draws from the masks without decoding or allocating.
// A proportional font steps by each glyph's own width instead of its cell's.
// A font is used from one thread at a time.
class CellFont final : public Font {
 public:
  CellFont(const LogFont& logFont, const std::optional<FaceFile>& face)
      : height_(CellSide(logFont.lfHeight)),
        halfWidth_(logFont.lfWidth != 0 ? CellSide(logFont.lfWidth) : (height_ + 1) / 2),
        proportional_(IsVariablePitch(logFont)) {
    if (!face || height_ > kMaxCellSide || halfWidth_ > kMaxCellSide) return;
    rasterizer_ = GlyphRasterizer::Open(*face, height_, halfWidth_, logFont.lfWeight >= 700);
    if (!rasterizer_) return;
    family_ = face->family;
    // Room for the ASCII set and a screenful of kanji before any growth.
    halfMasks_.reserve(std::min(CellBytes(false) * 96, kGlyphBudget));
    fullMasks_.reserve(std::min(CellBytes(true) * 128, kGlyphBudget));
  }

  ~CellFont() override = default;

  CellFont(const CellFont&) = delete;
  CellFont& operator=(const CellFont&) = delete;

  void Draw(Surface& surface, int32_t x, int32_t y, std::string_view cp932, Rgb text, Rgb back) override {
    if (cp932.empty() || surface.IsLost()) return;
    const uint16_t paper = PackColor(surface.Format(), back);
    const uint16_t ink = PackColor(surface.Format(), text);
    const TextStrips::Strip* strip = strips_.Find(cp932, ink, paper);
    if (strip == nullptr) {
      TextStrips::Strip* made = strips_.Make(cp932, ink, paper, TextWidth(cp932), height_);
      if (made != nullptr)
        Compose(made->pixels, made->width, {0, 0, made->width, made->height}, 0, 0, cp932, ink, paper);
      strip = made;
    }
    if (strip == nullptr) {
      Compose(surface.Row(0), surface.PitchPixels(), surface.Bounds(), x, y, cp932, ink, paper);
      return;
    }
    // A box composed whole and cut to the surface is the box composed cut.
    const Rect whole{0, 0, strip->width, strip->height};
    Rect src = whole;
    if (!ClipCopy(x, y, src, whole, surface.Bounds())) return;
    for (int32_t row = 0; row < src.Height(); ++row)
      std::copy_n(strip->pixels + static_cast<size_t>(src.top + row) * strip->width + src.left, src.Width(),
                  surface.Row(y + row) + x);
  }

  int32_t TextWidth(std::string_view cp932) const override {
    int64_t width = 0;
    for (size_t pos = 0; pos < cp932.size();) {
      const Cp932Char ch = NextCp932Char(cp932, pos);
      pos += ch.bytes;
      width += Advance(ch, GlyphOf(ch));
    }
    return ClampToInt32(width);
  }

  std::string FaceName() const override { return family_; }

 private:
  static constexpr int32_t kUnseen = -1;
  static constexpr int32_t kBlank = -2;
  struct Glyph {
    int32_t slot = kUnseen;
    int32_t advance = 0;
  };
  using Page = std::array<Glyph, 256>;

  // The text's box with its top-left corner at (x, y) on the pixels at
  // `origin`, `pitch` apart from row to row, cut to `bounds`.
  void Compose(uint16_t* origin, int32_t pitch, const Rect& bounds, int32_t x, int32_t y, std::string_view cp932,
               uint16_t ink, uint16_t paper) const {
    auto rowAt = [origin, pitch](int32_t row) { return origin + static_cast<ptrdiff_t>(row) * pitch; };
    const Rect box{x, y, ClampToInt32(int64_t{x} + TextWidth(cp932)), ClampToInt32(int64_t{y} + height_)};
    const Rect fill = Intersect(box, bounds);
    if (fill.Width() <= 0 || fill.Height() <= 0) return;
    for (int32_t row = fill.top; row < fill.bottom; ++row) std::fill_n(rowAt(row) + fill.left, fill.Width(), paper);
    if (!rasterizer_) return;

    int64_t cellLeft = x;
    for (size_t pos = 0; pos < cp932.size() && cellLeft < bounds.right;) {
      const Cp932Char ch = NextCp932Char(cp932, pos);
      pos += ch.bytes;
      const int32_t cellWidth = CellWidth(ch.IsFullWidth());
      const Glyph& glyph = GlyphOf(ch);
      const int64_t left = cellLeft;
      cellLeft += Advance(ch, glyph);
      if (left + cellWidth <= bounds.left) continue;
      const int32_t slot = glyph.slot;
      if (slot < 0) continue;
      const uint8_t* mask = (ch.IsFullWidth() ? fullMasks_ : halfMasks_).data() + CellBytes(ch.IsFullWidth()) * slot;

      const Rect cell{0, 0, cellWidth, height_};
      Rect src = cell;
      int32_t dx = static_cast<int32_t>(left);
      int32_t dy = y;
      // A proportional glyph may reach past its step; the text's box holds it.
      if (!ClipCopy(dx, dy, src, cell, fill)) continue;
      for (int32_t row = 0; row < src.Height(); ++row) {
        const uint8_t* in = mask + static_cast<size_t>(src.top + row) * cellWidth + src.left;
        uint16_t* out = rowAt(dy + row) + dx;
        for (int32_t i = 0; i < src.Width(); ++i) out[i] = in[i] != 0 ? ink : out[i];
      }
    }
  }

  int32_t CellWidth(bool fullWidth) const { return fullWidth ? halfWidth_ * 2 : halfWidth_; }
  size_t CellBytes(bool fullWidth) const { return static_cast<size_t>(CellWidth(fullWidth)) * height_; }

  static bool IsVariablePitch(const LogFont& logFont) { return (logFont.lfPitchAndFamily & 3) == 2; }

  // A glyph the face lacks, or any glyph of a font without a face, takes
  // its whole cell.
  int32_t Advance(Cp932Char ch, const Glyph& glyph) const {
    return proportional_ && glyph.advance > 0 ? glyph.advance : CellWidth(ch.IsFullWidth());
  }

  // The glyph's slot in its mask pool (kBlank when it has no ink) and its
  // own width, rendered on first sight. The cache does not change what a
  // text looks like or measures, so measuring may fill it.
  const Glyph& GlyphOf(Cp932Char ch) const {
    static const Glyph kNone{kBlank, 0};
    if (!rasterizer_) return kNone;
    Glyph* entry = nullptr;
    if (ch.IsFullWidth()) {
      auto& page = pages_[ch.code >> 8];
      if (!page) page = std::make_unique<Page>();
      entry = &(*page)[ch.code & 0xFF];
    } else {
      entry = &single_[ch.code];
    }
    if (entry->slot == kUnseen) *entry = RenderGlyph(ch);
    return *entry;
  }

  Glyph RenderGlyph(Cp932Char ch) const {
    char32_t codePoint = 0;
    if (!Decode(ch, codePoint)) return {kBlank, 0};
    std::vector<uint8_t>& pool = ch.IsFullWidth() ? fullMasks_ : halfMasks_;
    const size_t bytes = CellBytes(ch.IsFullWidth());
    // A full store starts again empty: the glyphs still in use come back
    // one by one, so a long run through many characters stays bounded.
    if (pool.size() + bytes > kGlyphBudget) Forget(ch.IsFullWidth());
    const size_t offset = pool.size();
    pool.resize(offset + bytes, 0);
    Glyph glyph;
    if (!rasterizer_->Render(codePoint, CellWidth(ch.IsFullWidth()), proportional_, pool.data() + offset,
                             glyph.advance)) {
      pool.resize(offset);
      glyph.slot = kBlank;
      return glyph;
    }
    glyph.slot = static_cast<int32_t>(offset / bytes);
    return glyph;
  }

  void Forget(bool fullWidth) const {
    if (fullWidth) {
      for (auto& page : pages_) {
        if (page) page->fill(Glyph{});
      }
      fullMasks_.clear();
    } else {
      single_.fill(Glyph{});
      halfMasks_.clear();
    }
  }

  // A lone lead byte decodes to nothing and stays blank.
  bool Decode(Cp932Char ch, char32_t& codePoint) const {
    if (!ch.IsFullWidth() && IsCp932Lead(static_cast<uint8_t>(ch.code))) return false;
    char in[2];
    size_t length = 0;
    if (ch.IsFullWidth()) in[length++] = static_cast<char>(ch.code >> 8);
    in[length++] = static_cast<char>(ch.code & 0xFF);
    const std::optional<char32_t> found = Cp932CodePoint(std::string_view(in, length));
    if (!found) return false;
    codePoint = *found;
    return true;
  }

  int32_t height_;
  int32_t halfWidth_;
  bool proportional_;
  std::string family_;
  std::unique_ptr<GlyphRasterizer> rasterizer_;
  mutable Page single_{};
  mutable std::array<std::unique_ptr<Page>, 256> pages_;
  mutable std::vector<uint8_t> halfMasks_;
  mutable std::vector<uint8_t> fullMasks_;
  TextStrips strips_;
};

// The face name is a fixed-size field in the game's data, padded with zeros.
std::string FamilyWanted(const std::string& cp932) {
  return Cp932ToUtf8(std::string_view(cp932).substr(0, cp932.find('\0')));
}

}  // namespace

std::unique_ptr<Font> CreateFontOnFace(const LogFont& logFont, const std::optional<FaceFile>& face) {
  return std::make_unique<CellFont>(logFont, face);
}

std::unique_ptr<Font> Font::Create(const LogFont& logFont) {
  std::optional<FaceFile> face;
  try {
    // Variable pitch (2 in the low bits) asks for a proportional face.
    face = FindFace(FamilyWanted(logFont.lfFaceName), (logFont.lfPitchAndFamily & 3) == 2);
  } catch (...) {
    // Out of memory or a broken lock: a box-only font still keeps the game going.
    face.reset();
  }
  return CreateFontOnFace(logFont, face);
}

}  // namespace platform
