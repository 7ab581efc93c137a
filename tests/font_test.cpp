#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "platform/draw/color.h"
#include "platform/draw/surface.h"
#include "platform/text/cell_font.h"
#include "platform/text/face_lookup.h"
#include "platform/text/font.h"
#include "platform/text_codec.h"

using platform::Font;
using platform::LogFont;
using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

#if defined(__SANITIZE_ADDRESS__)
#define LUMORA_COUNTS_ALLOCATIONS 0
#else
#define LUMORA_COUNTS_ALLOCATIONS 1
#endif

#if LUMORA_COUNTS_ALLOCATIONS
// Counts the allocations made through new, so a test can tell that a draw
// made none. Left to the sanitizer's own allocator in sanitized builds.
namespace {
thread_local size_t allocations = 0;
}
void* operator new(size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// The compiler cannot tell that these deletes pair with the new above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
#endif

namespace {

constexpr uint16_t kUntouched = 0x1234;
const Rgb kInk{255, 200, 0};
const Rgb kPaper{0, 0, 160};

std::string Sjis(const char* utf8) { return platform::Utf8ToCp932(utf8); }

LogFont Gothic(int32_t weight = 400) {
  LogFont logFont;
  logFont.lfHeight = 16;
  logFont.lfWidth = 9;
  logFont.lfWeight = weight;
  logFont.lfCharSet = 128;
  logFont.lfFaceName = Sjis("ＭＳ ゴシック");
  return logFont;
}

Surface Blank(int32_t width, int32_t height, PixelFormat format = PixelFormat::Rgb565()) {
  Surface surface(width, height, format);
  surface.Fill(kUntouched);
  return surface;
}

// Ink pixels in the box at (x, y).
int CountInk(const Surface& surface, int32_t x, int32_t y, int32_t width, int32_t height) {
  const uint16_t ink = platform::PackColor(surface.Format(), kInk);
  int count = 0;
  for (int32_t row = y; row < y + height; ++row)
    for (int32_t col = x; col < x + width; ++col) count += surface.Pixel(col, row) == ink;
  return count;
}

// Every pixel of every row, the padding past the right edge included.
std::vector<uint16_t> AllPixels(const Surface& surface) {
  std::vector<uint16_t> pixels;
  for (int32_t row = 0; row < surface.Height(); ++row)
    pixels.insert(pixels.end(), surface.Row(row), surface.Row(row) + surface.PitchPixels());
  return pixels;
}

std::vector<uint16_t> Render(Font& font, const std::string& text) {
  Surface surface = Blank(font.TextWidth(text), 16);
  font.Draw(surface, 0, 0, text, kInk, kPaper);
  return AllPixels(surface);
}

}  // namespace

TEST(FontWidth, HalfWidthCharactersTakeOneCellAndFullWidthTwo) {
  auto font = Font::Create(Gothic());
  EXPECT_EQ(font->TextWidth(""), 0);
  EXPECT_EQ(font->TextWidth("1"), 9);
  EXPECT_EQ(font->TextWidth(Sjis("ＬＵ")), 36);
  EXPECT_EQ(font->TextWidth(Sjis("ｽｺｱ")), 27);
  EXPECT_EQ(font->TextWidth(Sjis("スコア 1234点")), 3 * 18 + 5 * 9 + 18);
  // A lead byte with nothing after it, or no trail byte, is one narrow cell.
  EXPECT_EQ(font->TextWidth(Sjis("Ｌ") + "\x82"), 27);
  EXPECT_EQ(font->TextWidth("\x82 A"), 27);
}

TEST(FontWidth, AProportionalFaceStepsByEachGlyphsOwnWidthAndInksOnlyItsBox) {
  LogFont logFont = Gothic(700);
  logFont.lfHeight = 12;
  logFont.lfWidth = 0;
  logFont.lfPitchAndFamily = 2;
  logFont.lfFaceName = Sjis("ＭＳ Ｐゴシック");
  auto font = Font::Create(logFont);
  if (font->FaceName().empty()) GTEST_SKIP() << "no Japanese face installed";
  const int32_t narrow = font->TextWidth("i");
  const int32_t wide = font->TextWidth(Sjis("ア"));
  EXPECT_LT(narrow, font->TextWidth("W"));
  EXPECT_LE(wide, 12);
  EXPECT_EQ(font->TextWidth(Sjis("iアi")), 2 * narrow + wide);

  Surface surface = Blank(60, 20);
  const std::string text = Sjis("jWアiiフf");
  const int32_t width = font->TextWidth(text);
  font->Draw(surface, 7, 3, text, kInk, kPaper);
  for (int32_t row = 0; row < surface.Height(); ++row)
    for (int32_t col = 0; col < surface.PitchPixels(); ++col)
      if (col < 7 || col >= 7 + width || row < 3 || row >= 15) {
        ASSERT_EQ(surface.Row(row)[col], kUntouched) << col << "," << row;
      }
  EXPECT_GT(CountInk(surface, 7, 3, width, 12), 40);
}

class FontBox : public testing::TestWithParam<PixelFormat> {};

TEST_P(FontBox, FillsExactlyTheTextBoxInTheTwoColoursOfTheSurfaceLayout) {
  auto font = Font::Create(Gothic());
  Surface surface = Blank(200, 40, GetParam());
  const std::string text = Sjis("Lumora ルミナ 123") + "\x88";
  const int32_t width = font->TextWidth(text);
  font->Draw(surface, 10, 5, text, kInk, kPaper);

  const uint16_t ink = platform::PackColor(GetParam(), kInk);
  const uint16_t paper = platform::PackColor(GetParam(), kPaper);
  int inkCount = 0;
  int paperCount = 0;
  for (int32_t row = 0; row < surface.Height(); ++row) {
    for (int32_t col = 0; col < surface.PitchPixels(); ++col) {
      const uint16_t pixel = surface.Row(row)[col];
      if (col >= 10 && col < 10 + width && row >= 5 && row < 21) {
        ASSERT_TRUE(pixel == ink || pixel == paper) << col << "," << row;
        inkCount += pixel == ink;
        paperCount += pixel == paper;
      } else {
        ASSERT_EQ(pixel, kUntouched) << col << "," << row;
      }
    }
  }
  EXPECT_GT(inkCount, 100);
  EXPECT_GT(paperCount, inkCount);
  // The lone lead byte at the end is a blank cell.
  EXPECT_EQ(CountInk(surface, 10 + width - 9, 5, 9, 16), 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, FontBox, testing::Values(PixelFormat::Rgb565(), PixelFormat::Rgb555()),
                         [](const auto& layout) { return layout.param.Is565() ? "Rgb565" : "Rgb555"; });

TEST(FontGlyphs, GlyphsHaveInkOfTheirOwnAndBlanksHaveNone) {
  auto font = Font::Create(Gothic());
  const auto a = Render(*font, Sjis("あ"));
  const auto kan = Render(*font, Sjis("漢"));
  EXPECT_NE(a, kan);
  const uint16_t ink = platform::PackColor(PixelFormat::Rgb565(), kInk);
  EXPECT_GT(std::count(a.begin(), a.end(), ink), 20);
  EXPECT_GT(std::count(kan.begin(), kan.end(), ink), 20);

  Surface surface = Blank(80, 16);
  font->Draw(surface, 0, 0, Sjis("ｱA 　"), kInk, kPaper);
  EXPECT_GT(CountInk(surface, 0, 0, 9, 16), 5);
  EXPECT_GT(CountInk(surface, 9, 0, 9, 16), 5);
  EXPECT_EQ(CountInk(surface, 18, 0, 9 + 18, 16), 0);
}

TEST(FontGlyphs, BoldHasMoreInkInTheSameCells) {
  auto regular = Font::Create(Gothic(400));
  auto bold = Font::Create(Gothic(700));
  const std::string text = Sjis("漢字ABCあ");
  ASSERT_EQ(bold->TextWidth(text), regular->TextWidth(text));
  const auto thin = Render(*regular, text);
  const auto thick = Render(*bold, text);
  const uint16_t ink = platform::PackColor(PixelFormat::Rgb565(), kInk);
  const uint16_t paper = platform::PackColor(PixelFormat::Rgb565(), kPaper);
  const auto thinInk = std::count(thin.begin(), thin.end(), ink);
  const auto thickInk = std::count(thick.begin(), thick.end(), ink);
  EXPECT_GT(thickInk, thinInk * 5 / 4);
  EXPECT_EQ(std::count(thick.begin(), thick.end(), ink) + std::count(thick.begin(), thick.end(), paper),
            bold->TextWidth(text) * 16);
}

TEST(FontClipping, DrawingAcrossAnyEdgeShowsTheVisiblePartAndWritesNothingElse) {
  auto font = Font::Create(Gothic(700));
  const std::string text = Sjis("Aあ漢ｱ字9");
  const int32_t width = font->TextWidth(text);
  Surface whole = Blank(width, 16);
  font->Draw(whole, 0, 0, text, kInk, kPaper);

  const int32_t offsets[][2] = {{-5, -3},  {-20, 4},  {-40, -15}, {25, 30},   {30, -10},
                                {50, 2},   {-width + 1, 0}, {0, 34}, {-width, 0}, {60, 40}};
  for (const auto& [x, y] : offsets) {
    Surface small = Blank(60, 35);
    font->Draw(small, x, y, text, kInk, kPaper);
    for (int32_t row = 0; row < small.Height(); ++row) {
      for (int32_t col = 0; col < small.PitchPixels(); ++col) {
        const bool inBox = col < small.Width() && col >= x && col < x + width && row >= y && row < y + 16;
        const uint16_t expected = inBox ? whole.Pixel(col - x, row - y) : kUntouched;
        ASSERT_EQ(small.Row(row)[col], expected) << "at " << x << "," << y << " pixel " << col << "," << row;
      }
    }
  }

  Surface far = Blank(60, 35);
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const int32_t extremes[][2] = {{kMin, kMin}, {kMax, kMax}, {kMax - 10, 0}, {kMin + 5, 0}, {0, kMax - 3}};
  for (const auto& [x, y] : extremes) font->Draw(far, x, y, text, kInk, kPaper);
  EXPECT_EQ(AllPixels(far), AllPixels(Blank(60, 35)));
}

TEST(FontCache, ATextDrawsTheSameEveryTimeAndWithoutAllocating) {
  auto font = Font::Create(Gothic());
  const std::string text = Sjis("ＬＵＭＯＲＡ 得点 9876");
  const auto first = Render(*font, text);
  // Enough other characters to make the glyph store grow under the first ones.
  std::string many;
  for (const char* kanji : {"一二三四五六七八九十百千万円年月日時分秒上下左右前後東西南北春夏秋冬",
                            "山川海空雨雪風花鳥魚犬猫牛馬羊赤青白黒金銀銅鉄石木火水土天地人心手足",
                            "目耳口力刀弓矢車船門家店町村都県国道駅橋森林田畑米麦茶酒肉卵"}) {
    many += Sjis(kanji);
  }
  Surface scratch = Blank(font->TextWidth(many), 16);
  font->Draw(scratch, 0, 0, many, kInk, kPaper);
  font->Draw(scratch, 0, 0, Sjis("アイウエオカキクケコabcdefghijklmnopqrstuvwxyz"), kInk, kPaper);
  EXPECT_EQ(Render(*font, text), first);

#if LUMORA_COUNTS_ALLOCATIONS
  Surface target = Blank(400, 20);
  allocations = 0;
  font->Draw(target, 3, 2, text, kInk, kPaper);
  font->Draw(target, 3, 2, many, kInk, kPaper);
  EXPECT_EQ(allocations, 0u);
#endif
}

TEST(FontCache, AFullGlyphStoreStartsAgainAndDrawsTheSame) {
  // 128-pixel cells: a megabyte of store holds 64 full-width glyphs.
  LogFont big = Gothic();
  big.lfHeight = 128;
  big.lfWidth = 64;
  std::string many;
  for (const char* kanji : {"一二三四五六七八九十百千万円年月日時分秒上下左右前後東西南北春夏秋冬",
                            "山川海空雨雪風花鳥魚犬猫牛馬羊赤青白黒金銀銅鉄石木火水土天地人心手足",
                            "目耳口力刀弓矢車船門家店町村都県国道駅橋森林田畑米麦茶酒肉卵"}) {
    many += Sjis(kanji);
  }
  const std::string text = Sjis("得点ＡＢ") + many.substr(0, 20);
  const auto draw = [&](Font& font, const std::string& what) {
    Surface surface = Blank(font.TextWidth(what), 128);
    font.Draw(surface, 0, 0, what, kInk, kPaper);
    return AllPixels(surface);
  };
  auto fresh = Font::Create(big);
  const auto expected = draw(*fresh, text);
  auto used = Font::Create(big);
  // Twice through more glyphs than the store holds, the store filling up in
  // the middle of a text.
  draw(*used, many + many);
  EXPECT_EQ(draw(*used, text), expected);
  EXPECT_EQ(draw(*used, text), expected);
}

TEST(FontStrips, AKeptTextDrawsAsItsGlyphsDoAcrossEdgesColoursAndEvictions) {
  auto font = Font::Create(Gothic(700));
  const std::string text = Sjis("Aあ漢ｱ字9");
  const int32_t width = font->TextWidth(text);
  // Too long to keep, so always put together from its glyphs; the spaces
  // have no ink and leave the text's own box as it is.
  const std::string unkept = text + std::string(70, ' ');
  const auto check = [&](int32_t x, int32_t y, Rgb ink, Rgb paper) {
    Surface kept = Blank(60, 35);
    Surface plain = Blank(60, 35);
    font->Draw(kept, x, y, text, ink, paper);
    font->Draw(plain, x, y, unkept, ink, paper);
    for (int32_t row = 0; row < kept.Height(); ++row) {
      for (int32_t col = 0; col < kept.PitchPixels(); ++col) {
        const bool inBox = col < kept.Width() && col >= x && col < x + width && row >= y && row < y + 16;
        ASSERT_EQ(kept.Row(row)[col], inBox ? plain.Row(row)[col] : kUntouched)
            << "at " << x << "," << y << " pixel " << col << "," << row;
      }
    }
  };
  const int32_t offsets[][2] = {{0, 0}, {3, 2}, {-5, -3}, {-40, 4}, {30, -10}, {50, 2}, {7, 30}, {-width + 1, 0}};
  for (const auto& [x, y] : offsets) {
    check(x, y, kInk, kPaper);
    check(x, y, kPaper, kInk);
  }
  // More texts than the store keeps push the first one out and back in.
  Surface scratch = Blank(60, 35);
  for (int i = 0; i < 40; ++i) font->Draw(scratch, 0, 0, std::to_string(i), kInk, kPaper);
  check(-5, -3, kInk, kPaper);
}

TEST(FontDraw, EmptyTextAndLostSurfacesAreLeftAlone) {
  auto font = Font::Create(Gothic());
  Surface surface = Blank(50, 20);
  font->Draw(surface, 0, 0, "", kInk, kPaper);
  surface.MarkLost();
  font->Draw(surface, 0, 0, "AB", kInk, kPaper);
  EXPECT_EQ(AllPixels(surface), AllPixels(Blank(50, 20)));
}

TEST(FontFace, TheFaceInUseCoversJapanese) {
  // No such face here, and a Latin-only one: both give way to the Japanese
  // fixed-pitch face.
  EXPECT_EQ(Font::Create(Gothic())->FaceName(), "IPAGothic");
  LogFont latin = Gothic();
  latin.lfFaceName = "DejaVu Sans";
  EXPECT_EQ(Font::Create(latin)->FaceName(), "IPAGothic");
  LogFont named = Gothic();
  named.lfFaceName = "IPA PGothic";
  EXPECT_EQ(Font::Create(named)->FaceName(), "IPAPGothic");
}

// The family fontconfig's own best match for a pattern has.
std::string FontconfigsChoice(const char* pattern) {
  FcPattern* asked = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  FcConfigSubstitute(nullptr, asked, FcMatchPattern);
  FcDefaultSubstitute(asked);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, asked, &result);
  FcChar8* family = nullptr;
  std::string name;
  if (found != nullptr && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch)
    name = reinterpret_cast<const char*>(family);
  if (found != nullptr) FcPatternDestroy(found);
  FcPatternDestroy(asked);
  return name;
}

TEST(FontFace, TheGamesFacesDrawWithTheirPinnedFamiliesWhateverFontconfigPrefers) {
  // The suite's machine has VL Gothic, which claims both of the game's face
  // names as aliases: asked for either in Japanese, fontconfig answers with it.
  for (const char* name : {"ＭＳ ゴシック:lang=ja", "ＭＳ Ｐゴシック:lang=ja"})
    ASSERT_EQ(FontconfigsChoice(name), "VL Gothic") << "the decoy face (fonts-vlgothic) is not installed";
  const auto fixed = platform::FindFace(platform::Cp932ToUtf8(Sjis("ＭＳ ゴシック")), false);
  const auto proportional = platform::FindFace(platform::Cp932ToUtf8(Sjis("ＭＳ Ｐゴシック")), true);
  ASSERT_TRUE(fixed && proportional);
  EXPECT_EQ(fixed->family, "IPAGothic");
  EXPECT_EQ(std::filesystem::path(fixed->path).filename(), "ipag.ttf");
  EXPECT_EQ(proportional->family, "IPAPGothic");
  EXPECT_EQ(std::filesystem::path(proportional->path).filename(), "ipagp.ttf");
  // A face the game does not name still goes to fontconfig.
  EXPECT_EQ(platform::FindFace("VL PGothic", true)->family, "VL PGothic");
}

TEST(FontFace, WithoutAFaceOnlyTheBoxIsDrawn) {
  LogFont logFont = Gothic();
  auto none = platform::CreateFontOnFace(logFont, std::nullopt);
  auto broken = platform::CreateFontOnFace(logFont, platform::FaceFile{"/nonexistent/face.ttf", 0, "Missing", nullptr});
  for (Font* font : {none.get(), broken.get()}) {
    EXPECT_EQ(font->FaceName(), "");
    EXPECT_EQ(font->TextWidth(Sjis("漢A")), 27);
    Surface surface = Blank(40, 20);
    font->Draw(surface, 2, 1, Sjis("漢A"), kInk, kPaper);
    const uint16_t paper = platform::PackColor(PixelFormat::Rgb565(), kPaper);
    for (int32_t row = 0; row < 20; ++row)
      for (int32_t col = 0; col < 40; ++col) {
        const bool inBox = col >= 2 && col < 29 && row >= 1 && row < 17;
        ASSERT_EQ(surface.Pixel(col, row), inBox ? paper : kUntouched);
      }
  }
}
