#include <gtest/gtest.h>

#include "platform/desktop_scale.h"
#include "platform/error_box/error_box.h"
#include "platform/error_box/modal_box.h"
#include "platform/headless/headless_backend.h"
#include "player.h"

using platform::Point;
using platform::Size;

TEST(DesktopScale, XftDpiRoundedToAWholeFactorOfNinetySix) {
  EXPECT_EQ(platform::ScaleFromResources(""), 1);
  EXPECT_EQ(platform::ScaleFromResources("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 2);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi: 96"), 1);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi:\t144\n"), 2);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi:\t120\n"), 1);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi:\t288.0\n"), 3);
  // A resource that only ends in the name, or a value that is no number.
  EXPECT_EQ(platform::ScaleFromResources("MyApp.Xft.dpi:\t192\n"), 1);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi:\tlarge\n"), 1);
  EXPECT_EQ(platform::ScaleFromResources("Xft.dpi:\t20\n"), 1);
}

namespace {

// A game on a 2560 x 1600 desktop at twice the scale, and its twin at 1:1.
struct AtTwice : ::testing::Test {
  Player twice{{2560, 1600}, 2};
  Player once{{1280, 800}, 1};
  void SetUp() override {
    for (Player* p : {&twice, &once}) {
      p->StartGame();
      p->Frames(1);
    }
  }
  platform::headless::HeadlessWindows& Windows() { return twice.backend.windows; }
};

}  // namespace

// The window is the 640 x 480 picture at twice its size; a press in screen
// pixels reaches the game at the picture's point, and the pointer's hover
// lands on the same cell as at 1:1.
TEST_F(AtTwice, TheWindowIsTwiceTheGameAndThePointerMapsBackToTheGame) {
  EXPECT_EQ(Windows().ClientSize(twice.Game().Id()), (Size{1280, 960}));
  EXPECT_EQ(twice.backend.video.FrameOf(twice.Game().Id()).size, (Size{640, 480}));
  twice.Click(2 * 400 + 1, 2 * 232 + 1);
  once.Click(400, 232);
  EXPECT_EQ(twice.State().SizeIndex, 3);
  twice.Click(2 * 330, 2 * 320);
  once.Click(330, 320);
  twice.Frames(1);
  once.Frames(1);
  ASSERT_EQ(twice.State().Playing, 1);
  twice.PointAt(250, 260);
  once.PointAt(250, 260);
  twice.Frames(1);
  once.Frames(1);
  EXPECT_EQ(twice.State().CursorPos, (Point{250, 260}));
  EXPECT_EQ(twice.backend.video.LastFrame(), once.backend.video.LastFrame());
}

// Dragged by the title strip the window moves in screen pixels and is held
// flush with the screen's edges at its doubled size.
TEST_F(AtTwice, TheDragClampsTheDoubledWindowToTheScreen) {
  const Point start = twice.GamePosition();
  twice.Press(2 * 200, 2 * 13);
  Windows().SetCursor({start.x + 400, start.y + 26});
  twice.Frames(1);
  Windows().SetCursor({start.x + 400 + 101, start.y + 26 + 51});
  twice.Frames(1);
  EXPECT_EQ(twice.GamePosition(), (Point{start.x + 101, start.y + 51}));
  Windows().SetCursor({2500, start.y + 26 + 51});
  twice.Frames(1);
  EXPECT_EQ(twice.GamePosition().x, 2560 - 1280);
  twice.Release(0, 0);

  const Point right = twice.GamePosition();
  twice.Press(2 * 200, 2 * 13);
  Windows().SetCursor({right.x + 400, right.y + 26});
  twice.Frames(1);
  Windows().SetCursor({-500, 1590});
  twice.Frames(1);
  EXPECT_EQ(twice.GamePosition(), (Point{0, 1600 - 960}));
  twice.Release(0, 0);
}

// The stored place is in screen pixels, clamped against the doubled window;
// full screen and back returns the window to its place.
TEST(AtTwiceStored, ThePlaceIsKeptInScreenPixelsAndFullScreenComesBackToIt) {
  GameFolder folder;
  folder.WriteData("win_state.log", "1500\r\n333\r\n1\r\n");
  {
    Player player(folder, {2560, 1600}, 2);
    player.StartGame();
    player.Frames(1);
    EXPECT_EQ(player.GamePosition(), (Point{333, 1600 - 960}));
    player.Click(2 * 590, 2 * 13);
    EXPECT_EQ(player.Game().Window.FullScreen, 1);
    player.Frames(1);
    player.Click(2 * 590, 2 * 13);
    EXPECT_EQ(player.Game().Window.FullScreen, 0);
    EXPECT_EQ(player.GamePosition(), (Point{333, 640}));
    player.Key(platform::kKeyEscape);
    ASSERT_TRUE(player.Ended());
  }
  EXPECT_EQ(folder.ReadData("win_state.log"), "640\r\n333\r\n1\r\n");
}

// The dialog, the panel and the error box grow by the same factor: their
// pictures enlarged, their fonts made at the larger size.
TEST_F(AtTwice, TheDialogThePanelAndTheErrorBoxGrowByTheFactor) {
  Player fresh{{2560, 1600}, 2};
  Player plain{{1280, 800}, 1};
  const auto& big = fresh.backend.video.FrameOf(fresh.Dialog().Id());
  const auto& small = plain.backend.video.FrameOf(plain.Dialog().Id());
  ASSERT_EQ(big.size, (Size{780, 566}));
  int differing = 0;
  for (int32_t y = 20; y < 220; ++y)
    for (int32_t x = 20; x < 370; ++x) differing += big.Pixel(2 * x + 1, 2 * y + 1) != small.Pixel(x, y) ? 1 : 0;
  EXPECT_EQ(differing, 0);
  EXPECT_GT(fresh.Dialog().Button_Ok.font->TextWidth(fresh.Dialog().Button_Ok.caption),
            plain.Dialog().Button_Ok.font->TextWidth(plain.Dialog().Button_Ok.caption) * 3 / 2);

  twice.Click(2 * 565, 2 * 12);
  ASSERT_TRUE(twice.Dialog().Visible());
  const platform::FrameExtents frame = Windows().Frame(twice.Dialog().Id());
  EXPECT_EQ(Windows().Position(twice.Dialog().Id()), (Point{30, 30}));
  EXPECT_EQ(Windows().ClientSize(twice.Dialog().Id()),
            (Size{300 - frame.left - frame.right, 440 - frame.top - frame.bottom}));

  platform::headless::HeadlessBackend backend;
  backend.windows.SetScale(2);
  auto font = platform::ErrorBoxFont(2);
  const platform::ErrorBox box =
      platform::MakeErrorBox("short", *font, platform::ErrorIcon(), {2560, 1600}, 2);
  auto plainFont = platform::ErrorBoxFont(1);
  const platform::ErrorBox one = platform::MakeErrorBox("short", *plainFont, platform::ErrorIcon(), {1280, 800}, 1);
  EXPECT_EQ(box.client.height, 2 * one.client.height);
  EXPECT_EQ(box.icon.place.Width(), 64);
  EXPECT_EQ(box.ok.place.Width(), 150);
}
