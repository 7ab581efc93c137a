#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "display/display.h"
#include "platform/bitmap/bitmap_file.h"
#include "platform/error_box/error_icon.h"
#include "platform/headless/headless_video.h"
#include "shell/dialog_pictures.h"

using platform::PixelFormat;
using platform::Rect;
using platform::Surface;

namespace {

const std::string kGameDir = LUMORA_GAME_DIR;

// The generated sheets, each loaded by the display engine into a surface of
// its sheet's size in the layout asked for.
struct GeneratedSheets : ::testing::TestWithParam<PixelFormat> {
  platform::headless::HeadlessVideo video;
  uint8_t fullScreen = 0;
  int32_t gameWidth = 640;
  int32_t gameHeight = 480;
  Rect windowRect{0, 0, 640, 480};
  Rect sourceRect{0, 0, 640, 480};
  display::Display d{video, 1, display::WindowView{fullScreen, gameWidth, gameHeight, windowRect, sourceRect}, kGameDir};

  Surface Load(const std::string& name, int32_t width, int32_t height) {
    Surface s(width, height, GetParam());
    s.Fill(0x5A5A);
    display::LoadSheet(d, &s, name);
    return s;
  }
  uint16_t Colour(platform::Rgb c) const { return platform::PackColor(GetParam(), c); }
};

int CountEqual(const Surface& s, const Rect& r, uint16_t value) {
  int n = 0;
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) n += s.Pixel(x, y) == value ? 1 : 0;
  return n;
}

bool Inside(const Rect& r, int32_t x, int32_t y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool SamePixels(const Surface& a, const Rect& ra, const Surface& b, const Rect& rb) {
  for (int32_t y = 0; y < ra.Height(); ++y)
    for (int32_t x = 0; x < ra.Width(); ++x)
      if (a.Pixel(ra.left + x, ra.top + y) != b.Pixel(rb.left + x, rb.top + y)) return false;
  return true;
}

int Differing(const Surface& a, const Rect& ra, const Surface& b, const Rect& rb) {
  int n = 0;
  for (int32_t y = 0; y < ra.Height(); ++y)
    for (int32_t x = 0; x < ra.Width(); ++x) n += a.Pixel(ra.left + x, ra.top + y) != b.Pixel(rb.left + x, rb.top + y);
  return n;
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

// Pictures of the effect sheet copied opaque or blended without a key: solid
// all over, since a black pixel would show as a hole.
const Rect kSolidEffects[] = {
    {75, 0, 96, 18},    {100, 0, 121, 18}, {125, 0, 153, 18},  // the pressed strip buttons
    {305, 0, 325, 20},                                          // the menu's close box
    {305, 20, 355, 40}, {305, 40, 355, 60},                     // return and start
    {160, 40, 300, 60}, {160, 60, 300, 80},                     // menu and title headings
    {0, 70, 70, 96},                                            // the menu button, open
};
const Rect kBanners[] = {{360, 0, 560, 35}, {360, 35, 560, 70}};

// The cell tiles of the sprite sheet: empty, the counts without and with a
// match, lit, wrong, right and missed.
std::vector<Rect> CellTiles() {
  std::vector<Rect> tiles{{0, 0, 20, 20}};
  for (int32_t n = 1; n <= 4; ++n) tiles.push_back({0, 20 * n, 20, 20 * n + 20});
  for (int32_t n = 1; n <= 4; ++n) tiles.push_back({20, 20 * n, 40, 20 * n + 20});
  for (int32_t x : {20, 40, 60, 80}) tiles.push_back({x, 0, x + 20, 20});
  return tiles;
}
const Rect kHintIcon{40, 20, 51, 56};

}  // namespace

TEST_P(GeneratedSheets, EachFileHoldsAPictureOfItsSheetsSize) {
  struct Expected {
    const char* name;
    int32_t width, height;
  } const sheets[] = {{"Back.dat", 640, 480}, {"Effect.dat", 640, 200}, {"Sprite.dat", 100, 100}};
  for (const auto& sheet : sheets) {
    const std::vector<uint8_t> file = platform::ReadWholeFile(kGameDir + "IMAGE/" + sheet.name);
    const auto header = platform::ReadBitmapHeader(file);
    ASSERT_TRUE(header) << sheet.name;
    EXPECT_EQ(header->bfSize, file.size()) << sheet.name;
    EXPECT_EQ(header->biWidth, sheet.width) << sheet.name;
    EXPECT_EQ(header->biHeight, sheet.height) << sheet.name;
    // Loaded into its sheet, the picture covers every pixel: none keeps the
    // surface's earlier contents.
    const Surface s = Load(sheet.name, sheet.width, sheet.height);
    EXPECT_EQ(CountEqual(s, s.Bounds(), 0x5A5A), 0) << sheet.name;
  }
}

TEST_P(GeneratedSheets, EffectPicturesSitInTheirRectanglesOverABlackSheet) {
  const Surface s = Load("Effect.dat", 640, 200);
  for (const Rect& r : kSolidEffects) EXPECT_EQ(CountEqual(s, r, 0), 0) << r.left << "," << r.top;
  // The banners are keyed: black outside their rounded plates, solid inside.
  for (const Rect& r : kBanners) {
    for (auto [x, y] : {std::pair{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}})
      EXPECT_EQ(s.Pixel(x, y), 0) << x << "," << y;
    EXPECT_EQ(CountEqual(s, {r.left + 10, r.top + 2, r.right - 10, r.bottom - 2}, 0), 0) << r.top;
    EXPECT_EQ(CountEqual(s, {r.left + 2, r.top + 10, r.right - 2, r.bottom - 10}, 0), 0) << r.top;
  }
  EXPECT_EQ(CountEqual(s, {0, 100, 640, 200}, 0), 640 * 100) << "the scratch strip";
  for (int32_t y = 0; y < 100; ++y)
    for (int32_t x = 0; x < 640; ++x) {
      bool inPicture = false;
      for (const Rect& r : kSolidEffects) inPicture = inPicture || Inside(r, x, y);
      for (const Rect& r : kBanners) inPicture = inPicture || Inside(r, x, y);
      if (!inPicture) {
        ASSERT_EQ(s.Pixel(x, y), 0) << x << "," << y;
      }
    }
}

TEST_P(GeneratedSheets, PressedLooksDifferVisiblyFromTheBackdropsReleasedOnes) {
  const Surface back = Load("Back.dat", 640, 480);
  const Surface effect = Load("Effect.dat", 640, 200);
  struct Pair {
    Rect pressed;
    int32_t x, y;
  } const pairs[] = {{{75, 0, 96, 18}, 555, 5}, {{100, 0, 121, 18}, 580, 5}, {{125, 0, 153, 18}, 605, 5},
                     {{0, 70, 70, 96}, 560, 35}};
  for (const auto& p : pairs) {
    const Rect at{p.x, p.y, p.x + p.pressed.Width(), p.y + p.pressed.Height()};
    EXPECT_GT(Differing(effect, p.pressed, back, at), p.pressed.Width() * p.pressed.Height() / 2) << p.x;
  }
}

TEST_P(GeneratedSheets, SpriteTilesAreSolidAndAllDifferent) {
  const Surface s = Load("Sprite.dat", 100, 100);
  const std::vector<Rect> tiles = CellTiles();
  for (const Rect& t : tiles) EXPECT_EQ(CountEqual(s, t, 0), 0) << t.left << "," << t.top;
  for (size_t i = 0; i < tiles.size(); ++i)
    for (size_t j = i + 1; j < tiles.size(); ++j)
      EXPECT_FALSE(SamePixels(s, tiles[i], s, tiles[j])) << tiles[i].left << "," << tiles[i].top << " and "
                                                        << tiles[j].left << "," << tiles[j].top;
  // The hint icon is keyed: its corners are see-through, its body solid, and
  // the rest of the sheet black.
  for (auto [x, y] : {std::pair{40, 20}, {50, 20}, {40, 55}, {50, 55}}) EXPECT_EQ(s.Pixel(x, y), 0) << x << "," << y;
  EXPECT_EQ(CountEqual(s, {41, 25, 50, 51}, 0), 0);
  for (int32_t y = 20; y < 100; ++y)
    for (int32_t x = 40; x < 100; ++x)
      if (!Inside(kHintIcon, x, y)) {
        ASSERT_EQ(s.Pixel(x, y), 0) << x << "," << y;
      }
}

TEST_P(GeneratedSheets, BackdropLeavesTheHudAndTheTitleTheirColours) {
  const Surface s = Load("Back.dat", 640, 480);
  // The title's box and a pixel round it, on the colour it is written on.
  EXPECT_EQ(CountEqual(s, {29, 6, 115, 20}, Colour({50, 160, 50})), 86 * 14);
  // Wherever the clock and the points are written, at every width.
  const uint16_t box = Colour({198, 198, 50});
  for (int32_t y : {80, 125}) EXPECT_EQ(CountEqual(s, {49, y - 2, 90, y + 18}, box), 41 * 20) << y;
  // The field behind a smaller board is not the board's empty tile.
  const Surface sprites = Load("Sprite.dat", 100, 100);
  EXPECT_FALSE(SamePixels(s, {130, 50, 150, 70}, sprites, {0, 0, 20, 20}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GeneratedSheets, ::testing::Values(PixelFormat::Rgb565(), PixelFormat::Rgb555()),
                         [](const auto& param) { return param.param.Is565() ? "Rgb565" : "Rgb555"; });

TEST(GeneratedArt, TitleWrittenOnTheBackdropStandsOnItsStrip) {
  platform::headless::HeadlessVideo video;
  uint8_t fullScreen = 0;
  int32_t width = 640, height = 480;
  Rect windowRect{0, 0, 640, 480}, sourceRect{0, 0, 640, 480};
  display::Display d{video, 1, display::WindowView{fullScreen, width, height, windowRect, sourceRect}, kGameDir};
  display::InitDisplay(d);
  const uint16_t strip = platform::PackColor(d.BackSheet->Format(), {50, 160, 50});
  const uint16_t white = platform::PackColor(d.BackSheet->Format(), {255, 255, 255});
  int ink = 0;
  for (int32_t y = 6; y < 20; ++y)
    for (int32_t x = 29; x < 115; ++x) {
      const uint16_t p = d.BackSheet->Pixel(x, y);
      ASSERT_TRUE(p == strip || p == white) << x << "," << y;
      ink += p == white;
    }
  EXPECT_GT(ink, 40);
  display::ReleaseDisplay(d);
}

TEST(GeneratedArt, DialogPicturesAreEightBitBitmapsBuiltIntoTheProgram) {
  struct Expected {
    const char* file;
    std::span<const uint8_t> built;
    int32_t width, height;
    uint32_t pixelBytes;
  } const pictures[] = {{"DIALOG/Start.bmp", shell::StartPictureBitmap(), 350, 200, 70400},
                        {"DIALOG/Panel.bmp", shell::PanelPictureBitmap(), 96, 46, 4416},
                        {"DIALOG/Error.bmp", platform::ErrorIconBitmap(), 32, 32, 1024}};
  for (const auto& p : pictures) {
    const std::vector<uint8_t> file = FileBytes(kGameDir + p.file);
    ASSERT_EQ(file.size(), 1078u + p.pixelBytes) << p.file;
    EXPECT_TRUE(std::equal(file.begin(), file.end(), p.built.begin(), p.built.end())) << p.file;
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le(file, 10, 4), 1078u) << p.file;
    EXPECT_EQ(Le(file, 14, 4), 40u);
    EXPECT_EQ(Le(file, 28, 2), 8u) << p.file;
    EXPECT_EQ(Le(file, 30, 4), 0u) << "uncompressed";
    EXPECT_EQ(Le(file, 46, 4), 256u) << p.file;
    const platform::Picture picture = platform::DecodeBitmap(p.built);
    EXPECT_EQ(picture.width, p.width);
    EXPECT_EQ(picture.height, p.height);
    // Artwork, not a blank: many colours of the table are in use.
    std::vector<bool> used(256);
    for (size_t i = 1078; i < file.size(); ++i) used[file[i]] = true;
    EXPECT_GT(std::count(used.begin(), used.end(), true), 32) << p.file;
  }
}

TEST(GeneratedArt, PicturesWithWordsAreTheSameOnEveryMachineWithTheIpaFaces) {
  // Their words are drawn with the pinned faces, so another Japanese face on
  // the machine, or a change in how the game picks faces, shows up here. The
  // values change only when the art itself is meant to.
  auto fnv1a = [](const std::vector<uint8_t>& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    return hash;
  };
  const std::pair<const char*, uint64_t> pictures[] = {
      {"IMAGE/Back.dat", 15655217421215081253ull},
      {"IMAGE/Effect.dat", 7827834593888242304ull},
      {"IMAGE/Sprite.dat", 7090343658187323741ull},
      {"DIALOG/Start.bmp", 6133342879934801125ull},
      {"DIALOG/Panel.bmp", 4772028691209551670ull},
  };
  for (const auto& [file, expected] : pictures) {
    const std::vector<uint8_t> bytes = FileBytes(kGameDir + file);
    ASSERT_FALSE(bytes.empty()) << file;
    EXPECT_EQ(fnv1a(bytes), expected) << file;
  }
}

TEST(GeneratedArt, ClickIsAShortRiffPcmWave) {
  const std::vector<uint8_t> w = FileBytes(kGameDir + "WAVE/push_on.wav");
  ASSERT_GE(w.size(), 44u);
  EXPECT_EQ(std::memcmp(w.data(), "RIFF", 4), 0);
  EXPECT_EQ(Le(w, 4, 4), w.size() - 8);
  EXPECT_EQ(std::memcmp(w.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(Le(w, 16, 4), 16u);
  EXPECT_EQ(Le(w, 20, 2), 1u) << "PCM";
  const uint32_t channels = Le(w, 22, 2), rate = Le(w, 24, 4), bits = Le(w, 34, 2);
  EXPECT_EQ(channels, 1u);
  EXPECT_EQ(bits, 16u);
  EXPECT_EQ(Le(w, 28, 4), rate * channels * bits / 8);
  EXPECT_EQ(Le(w, 32, 2), channels * bits / 8);
  EXPECT_EQ(std::memcmp(w.data() + 36, "data", 4), 0);
  const uint32_t data = Le(w, 40, 4);
  ASSERT_EQ(data, w.size() - 44);
  const double ms = 1000.0 * data / (rate * 2);
  EXPECT_GE(ms, 20);
  EXPECT_LE(ms, 80);
  int32_t peak = 0;
  for (size_t i = 44; i + 1 < w.size(); i += 2)
    peak = std::max<int32_t>(peak, std::abs(static_cast<int16_t>(Le(w, i, 2))));
  EXPECT_GT(peak, 8000) << "audible";
  EXPECT_LT(peak, 32767) << "not clipped";
  // It fades out instead of stopping with a pop.
  EXPECT_LT(std::abs(static_cast<int16_t>(Le(w, w.size() - 2, 2))), 200);
}

TEST(GeneratedArt, DesktopIconsArePngsOfEachHicolorSize) {
  for (const uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
    const std::vector<uint8_t> png = FileBytes(kGameDir + "ICONS/lumora-" + std::to_string(size) + ".png");
    ASSERT_GE(png.size(), 24u) << size;
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0) << size;
    EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0) << size;
    const auto be32 = [&png](size_t at) {
      return uint32_t{png[at]} << 24 | uint32_t{png[at + 1]} << 16 | uint32_t{png[at + 2]} << 8 | png[at + 3];
    };
    EXPECT_EQ(be32(16), size);
    EXPECT_EQ(be32(20), size);
  }
}
