#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "display_fixture.h"
#include "platform/framework_error.h"
#include "platform/text_codec.h"

using platform::PackColor;
using platform::PixelFormat;

namespace {

uint16_t FilePixel(const platform::Surface& s, platform::Rgb (*pixel)(int32_t, int32_t), int32_t x, int32_t y) {
  return PackColor(s.Format(), pixel(x, y));
}

bool HoldsFile(const platform::Surface& s, platform::Rgb (*pixel)(int32_t, int32_t), platform::Rect r) {
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x)
      if (s.Pixel(x, y) != FilePixel(s, pixel, x, y)) return false;
  return true;
}

}  // namespace

TEST_F(DisplayTest, EachModeMakesItsOwnObjects) {
  Build(false);
  EXPECT_NE(d.FrameBuffer, nullptr);
  EXPECT_EQ(d.BackBuffer, nullptr);
  EXPECT_EQ(d.Clipper, nullptr);
  EXPECT_EQ(d.DrawTarget(), d.FrameBuffer.get());
  EXPECT_FALSE(video.FullScreen());

  display::ReleaseDisplay(d);
  EXPECT_FALSE(d.Live());
  fullScreen = 1;
  display::InitDisplay(d);
  EXPECT_EQ(d.FrameBuffer, nullptr);
  ASSERT_NE(d.BackBuffer, nullptr);
  ASSERT_NE(d.Clipper, nullptr);
  EXPECT_EQ(d.DrawTarget(), d.BackBuffer);
  EXPECT_TRUE(video.FullScreen());
  EXPECT_EQ(video.DisplayMode(), (platform::Size{640, 480}));
  EXPECT_EQ(video.BitsPerPixel(), 16);
  EXPECT_EQ(d.ClipList.rdh.dwSize, 32u);
  EXPECT_EQ(d.ClipList.rdh.nCount, 1u);
  EXPECT_EQ(d.ClipList.rdh.nRgnSize, 16u);
  EXPECT_EQ(d.ClipList.rect, (platform::Rect{0, 0, 640, 480}));
  for (auto* sheet : {d.BackSheet.get(), d.EffectSheet.get(), d.SpriteSheet.get()}) ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(d.EffectSheet->Width(), 640);
  EXPECT_EQ(d.EffectSheet->Height(), 200);
  EXPECT_EQ(d.SpriteSheet->Width(), 100);

  display::ReleaseDisplay(d);
  EXPECT_FALSE(video.FullScreen());
  EXPECT_EQ(d.BackSheet, nullptr);
  display::ReleaseDisplay(d);
  EXPECT_EQ(video.Releases(), 2);
}

TEST_F(DisplayTest, BuildLoadsKeysAndTitlesTheSheets) {
  Build(false);
  EXPECT_TRUE(HoldsFile(*d.BackSheet, BackPixel, {0, 0, 640, 7}));
  EXPECT_TRUE(HoldsFile(*d.EffectSheet, EffectPixel, {0, 0, 640, 100}));
  EXPECT_TRUE(HoldsFile(*d.SpriteSheet, SpritePixel, {0, 0, 100, 100}));
  EXPECT_FALSE(d.BackSheet->ColorKey().has_value());
  EXPECT_EQ(d.EffectSheet->ColorKey(), 0);
  EXPECT_EQ(d.SpriteSheet->ColorKey(), 0);
  // The title's box starts at (30, 7) on the backdrop's green.
  EXPECT_EQ(d.BackSheet->Pixel(30, 7), PackColor(d.BackSheet->Format(), {50, 160, 50}));
  EXPECT_EQ(d.BackSheet->Pixel(29, 7), FilePixel(*d.BackSheet, BackPixel, 29, 7));
  EXPECT_EQ(d.FontSpec.lfHeight, 16);
  EXPECT_EQ(d.FontSpec.lfWidth, 9);
  EXPECT_EQ(d.FontSpec.lfWeight, 700);
  EXPECT_EQ(d.FontSpec.lfCharSet, 128);
}

TEST_F(DisplayTest, SheetIsCutAtItsEdgesAndASmallPictureLeavesTheRest) {
  WriteBitmap(folder.Image("Sprite.dat"), 640, 480, BackPixel);
  WriteBitmap(folder.Image("Effect.dat"), 30, 20, SpritePixel);
  Build(false);
  EXPECT_TRUE(HoldsFile(*d.SpriteSheet, BackPixel, {0, 0, 100, 100}));
  EXPECT_TRUE(HoldsFile(*d.EffectSheet, SpritePixel, {0, 0, 30, 20}));
  EXPECT_EQ(d.EffectSheet->Pixel(30, 0), 0);
  EXPECT_EQ(d.EffectSheet->Pixel(0, 20), 0);
}

TEST_F(DisplayTest, TopDownPictureLoadsUpright) {
  // The same picture stored top row first, as a negative height says.
  const auto path = folder.Image("Sprite.dat");
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  in.close();
  const int32_t rowBytes = 100 * 3;
  std::vector<char> flipped(bytes);
  for (int32_t y = 0; y < 100; ++y)
    std::copy_n(bytes.begin() + 54 + (99 - y) * rowBytes, rowBytes, flipped.begin() + 54 + y * rowBytes);
  const int32_t negative = -100;
  std::memcpy(flipped.data() + 22, &negative, 4);
  std::ofstream(path, std::ios::binary).write(flipped.data(), static_cast<std::streamsize>(flipped.size()));
  Build(false);
  EXPECT_TRUE(HoldsFile(*d.SpriteSheet, SpritePixel, {0, 0, 100, 100}));
}

TEST_F(DisplayTest, BrokenSheetFilesRaiseTheReadersErrorsAndStopTheBuild) {
  std::filesystem::remove(folder.Image("Effect.dat"));
  try {
    Build(false);
    FAIL() << "no error";
  } catch (const platform::FrameworkError& e) {
    EXPECT_EQ(platform::Cp932ToUtf8(e.what()), "ﾌｧｲﾙ " + folder.Image("Effect.dat").string() + " は開けません");
  }
  EXPECT_TRUE(HoldsFile(*d.BackSheet, BackPixel, {0, 0, 640, 480}));
  EXPECT_FALSE(d.SpriteSheet->ColorKey().has_value());
  EXPECT_EQ(d.CurrentFont, nullptr);

  const std::string broken[] = {std::string("BM"), std::string(60, 'x'),
                                std::string("BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x10\0\0\0\x10\0\0\0", 26)};
  // A header that claims far more pixels than the file holds.
  std::ifstream in(folder.Image("Sprite.dat"), std::ios::binary);
  std::string lying((std::istreambuf_iterator<char>(in)), {});
  lying.replace(18, 8, std::string("\xA0\x86\x01\x00\xA0\x86\x01\x00", 8));
  std::vector<std::string> files(std::begin(broken), std::end(broken));
  files.push_back(lying);
  for (const std::string& bytes : files) {
    display::ReleaseDisplay(d);
    std::ofstream(folder.Image("Effect.dat"), std::ios::binary) << bytes;
    try {
      Build(false);
      FAIL() << "no error";
    } catch (const platform::FrameworkError& e) {
      EXPECT_EQ(platform::Cp932ToUtf8(e.what()), "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
    }
  }
}

TEST_F(DisplayTest, CopiesSkipTheKeyAndDrawNothingWhenEmpty) {
  Build(false);
  FillTarget(0x1234);
  display::BltKeyed(d, 0, 0, d.SpriteSheet.get(), 0, 0, 20, 20);
  EXPECT_EQ(Target().Pixel(1, 1), 0x1234);
  EXPECT_EQ(Target().Pixel(5, 5), FilePixel(*d.SpriteSheet, SpritePixel, 5, 5));
  display::BltOpaque(d, 100, 0, d.SpriteSheet.get(), 0, 0, 20, 20);
  EXPECT_EQ(Target().Pixel(101, 1), 0);
  display::BltOpaque(d, 200, 0, d.SpriteSheet.get(), 10, 0, 10, 20);
  display::BltKeyed(d, 200, 0, d.SpriteSheet.get(), 0, 20, 20, 20);
  EXPECT_EQ(Count({190, 0, 230, 30}, 0x1234), 40 * 30);
}

TEST_F(DisplayTest, CopiesNeverWriteOutsideTheFrameInEitherMode) {
  for (bool full : {false, true}) {
    Build(full);
    FillTarget(0x1234);
    display::BltOpaque(d, 630, 470, d.SpriteSheet.get(), 0, 0, 100, 100);
    display::BltOpaque(d, -95, -95, d.SpriteSheet.get(), 0, 0, 100, 100);
    EXPECT_EQ(Target().Pixel(639, 479), FilePixel(*d.SpriteSheet, SpritePixel, 9, 9)) << full;
    EXPECT_EQ(Target().Pixel(4, 4), FilePixel(*d.SpriteSheet, SpritePixel, 99, 99)) << full;
    EXPECT_EQ(Target().Pixel(5, 5), 0x1234) << full;
    for (int32_t y = 0; y < 480; ++y)
      for (int32_t x = 640; x < Target().PitchPixels(); ++x) ASSERT_EQ(Target().Row(y)[x], 0x1234) << full;
    display::ReleaseDisplay(d);
  }
}

TEST_F(DisplayTest, FullScreenClipperTrimsToItsList) {
  Build(true);
  FillTarget(0x1234);
  d.ClipList.rect = {0, 0, 320, 240};
  d.Clipper->SetClipList(d.ClipList);
  display::BltOpaque(d, 310, 230, d.SpriteSheet.get(), 0, 0, 100, 100);
  EXPECT_EQ(Target().Pixel(319, 239), FilePixel(*d.SpriteSheet, SpritePixel, 9, 9));
  EXPECT_EQ(Target().Pixel(320, 235), 0x1234);
  EXPECT_EQ(Target().Pixel(315, 240), 0x1234);
}

TEST_F(DisplayTest, FlipShowsTheBackBufferAndHandsBackTheOlderFrame) {
  Build(true);
  FillTarget(0x1111);
  display::Present(d);
  EXPECT_EQ(video.FramePixel(0, 0), 0x1111);
  FillTarget(0x2222);
  display::Present(d);
  EXPECT_EQ(video.FramePixel(639, 479), 0x2222);
  EXPECT_EQ(Target().Pixel(0, 0), 0x1111);
}

TEST_F(DisplayTest, WindowedFrameGoesToTheWindowsPlace) {
  Build(false);
  FillTarget(0x4321);
  windowRect = {100, 50, 740, 530};
  display::Present(d);
  EXPECT_EQ(video.LastScreenRect(), windowRect);
  EXPECT_EQ(video.LastFrameSize(), (platform::Size{640, 480}));
  EXPECT_EQ(video.FramePixel(320, 240), 0x4321);
}

TEST_F(DisplayTest, LostSurfacesAreRestoredWithTheSheetsReloadedAndKeysKept) {
  for (bool full : {false, true}) {
    Build(full);
    d.SpriteSheet->Fill(0x0F0F);
    d.BackSheet->Fill(0x0F0F);
    video.ResetDevice();
    display::Present(d);
    EXPECT_TRUE(HoldsFile(*d.SpriteSheet, SpritePixel, {0, 0, 100, 100})) << full;
    EXPECT_TRUE(HoldsFile(*d.BackSheet, BackPixel, {0, 0, 640, 7})) << full;
    EXPECT_EQ(d.BackSheet->Pixel(30, 7), PackColor(d.BackSheet->Format(), {50, 160, 50})) << full;
    EXPECT_EQ(d.FontSpec.lfHeight, 16);
    // The next frame draws into the restored target, and keyed copies still
    // leave black out.
    FillTarget(0x1234);
    display::BltKeyed(d, 0, 0, d.SpriteSheet.get(), 0, 0, 20, 20);
    EXPECT_EQ(Target().Pixel(1, 1), 0x1234) << full;
    const int before = video.FramesShown();
    display::Present(d);
    EXPECT_EQ(video.FramesShown(), before + 1) << full;
    display::ReleaseDisplay(d);
  }
}

TEST_F(DisplayTest, FailedRestoreOfTheVisibleSurfaceReloadsNothing) {
  Build(false);
  d.SpriteSheet->Fill(0x0F0F);
  video.SetPrimaryRestoreFails(true);
  video.ResetDevice();
  display::Present(d);
  display::Present(d);
  EXPECT_EQ(video.PrimaryRestores(), 2);
  EXPECT_TRUE(d.SpriteSheet->IsLost());
  EXPECT_EQ(video.FramesShown(), 0);

  video.SetPrimaryRestoreFails(false);
  display::Present(d);
  EXPECT_TRUE(HoldsFile(*d.SpriteSheet, SpritePixel, {0, 0, 100, 100}));
  display::Present(d);
  EXPECT_EQ(video.FramesShown(), 1);
}

TEST_F(DisplayTest, AFrameTheScreenKeepsRefusingIsDroppedAfterBoundedRetries) {
  Build(false);
  video.RefuseFrames(1000, platform::DrawResult::Failed);
  display::Present(d);
  EXPECT_EQ(video.ShowCalls(), d.presentRetries + 1);
  video.RefuseFrames(3, platform::DrawResult::Failed);
  display::Present(d);
  EXPECT_EQ(video.FramesShown(), 1);
}

TEST_F(DisplayTest, KeyedTextCopiesHalfAPixelPerByteShortOfTheCells) {
  Build(false);
  // With a key that is not black the strip's black box shows, as wide as the
  // copy.
  d.EffectSheet->SetColorKey(PackColor(d.EffectSheet->Format(), {255, 0, 255}));
  const struct {
    const char* text;
    int32_t width;
  } cases[] = {{"1", 8}, {"12", 17}, {"123", 25}, {"1234", 34}, {"123456", 51}, {"", 0}};
  int32_t row = 0;
  for (const auto& c : cases) {
    FillTarget(0xFFFF);
    display::PutTextKeyed(d, 10, row, c.text, 0, 0, 0);
    EXPECT_EQ(Count({0, row, 640, row + 1}, 0), c.width) << c.text;
    EXPECT_EQ(Count({0, row + 15, 640, row + 16}, 0), c.width) << c.text;
    EXPECT_EQ(Count({0, row + 16, 640, row + 17}, 0), 0) << c.text;
    row += 20;
  }
  // Full-width characters count two bytes each.
  FillTarget(0xFFFF);
  display::PutTextKeyed(d, 0, 0, platform::Utf8ToCp932("ＬＵ"), 0, 0, 0);
  EXPECT_EQ(Count({0, 0, 640, 1}, 0), 34);
}

TEST_F(DisplayTest, TextGoesToTheTargetOfTheMomentAndAnEmptyTextDrawsNothing) {
  Build(false);
  FillTarget(0xFFFF);
  display::PutText(d, 5, 5, "", 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(Count({0, 0, 640, 480}, 0xFFFF), 640 * 480);
  display::PutText(d, 5, 5, "AB", 255, 255, 255, 0x100, 0, 0);
  // Only the low eight bits of a colour count: 0x100 is black.
  EXPECT_EQ(Target().Pixel(5, 5), 0);
  EXPECT_EQ(Target().Pixel(5 + 17, 5 + 15), 0);
  EXPECT_EQ(Target().Pixel(5 + 18, 5), 0xFFFF);
  EXPECT_EQ(Target().Pixel(5, 5 + 16), 0xFFFF);
}
