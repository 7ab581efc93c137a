#include <gtest/gtest.h>

#include <string>

#include "frame_check.h"
#include "platform/text_codec.h"

using platform::MouseButton;

namespace {

constexpr platform::Rgb kWhite{255, 255, 255};
constexpr platform::Rgb kBlack{0, 0, 0};
constexpr platform::Rgb kDark{15, 15, 15};
constexpr platform::Rgb kRed{235, 10, 10};
constexpr platform::Rgb kHudPaper{198, 198, 50};

struct Hud : ::testing::Test {
  Player player;
  FrameCheck frame{player};
  int32_t shownTicks = 0;
  int32_t shownPoints = 0;
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  game::GameState& S() { return player.State(); }
  // One frame; the HUD shows the values the frame before it left.
  void Step() {
    shownTicks = S().ElapsedTicks;
    shownPoints = S().Points;
    player.Frames(1);
  }
  void StepUntil(bool (*done)(const game::GameState&)) {
    while (!done(S()) && S().Playing != 0) Step();
  }
  // The number at its x, with the backdrop just left of its box.
  testing::AssertionResult ShowsNumber(int32_t x, int32_t y, int32_t value, platform::Rgb ink) {
    if (frame.At(x - 1, y) != FrameCheck::Back(x - 1, y)) return testing::AssertionFailure() << "box starts before " << x;
    return frame.ShowsText(x, y, std::to_string(value), ink, kHudPaper);
  }
  // Keyed: the backdrop shows through the sprite's black.
  testing::AssertionResult ShowsHintIcon() {
    return frame.ShowsOver(86, 197, FrameCheck::Sprite, 40, 20, 51, 56, FrameCheck::Back,
                           [](uint16_t under, uint16_t sprite) { return sprite != 0 ? sprite : under; });
  }
  void GiveUp() {
    player.Click(590, 45);
    player.Click(300, 250);
  }
};

}  // namespace

TEST_F(Hud, ClockAndPointsStandAtTheXOfTheirDigitCounts) {
  player.StartBoard(0);
  Step();
  EXPECT_TRUE(ShowsNumber(65, 80, 0, kDark));
  EXPECT_TRUE(ShowsNumber(57, 125, 100, kDark));
  StepUntil([](const game::GameState& s) { return s.Points == 99; });
  Step();
  EXPECT_TRUE(ShowsNumber(60, 125, 99, kDark));
  StepUntil([](const game::GameState& s) { return s.ElapsedTicks == 10; });
  Step();
  EXPECT_TRUE(ShowsNumber(60, 80, 10, kDark));
  player.Press(600, 400, MouseButton::Right);
  StepUntil([](const game::GameState& s) { return s.Points == 9; });
  Step();
  EXPECT_TRUE(ShowsNumber(65, 125, 9, kRed));
  player.Release(600, 400, MouseButton::Right);

  GiveUp();
  player.Click(330, 320);
  player.StartBoard(3);
  Step();
  EXPECT_TRUE(ShowsNumber(51, 125, 1000, kDark));
  StepUntil([](const game::GameState& s) { return s.ElapsedTicks == 100; });
  Step();
  EXPECT_TRUE(ShowsNumber(57, 80, 100, kDark));
  // The time-out leaves the clock at 1000 on the result screen.
  StepUntil([](const game::GameState&) { return false; });
  ASSERT_EQ(S().ShowingResult, 1);
  Step();
  EXPECT_TRUE(ShowsNumber(51, 80, 1000, kDark));
  EXPECT_TRUE(ShowsNumber(57, 125, 800, kDark));
}

TEST_F(Hud, PointsTurnRedWhileHintsAreHeldOrABoardCellIsPressed) {
  player.StartBoard(0);
  Step();
  EXPECT_TRUE(frame.ShowsBackdrop(86, 197, 97, 233));

  player.Press(600, 400, MouseButton::Right);
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kRed));
  EXPECT_TRUE(ShowsHintIcon());
  player.Release(600, 400, MouseButton::Right);
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kDark));
  EXPECT_TRUE(frame.ShowsBackdrop(86, 197, 97, 233));

  player.Press(310, 230);
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kRed));
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kRed));
  player.Release(310, 230);
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kDark));

  // A press on the field off the small board leaves the points dark.
  player.Press(140, 60);
  Step();
  EXPECT_TRUE(ShowsNumber(57, 125, shownPoints, kDark));
  player.Release(140, 60);

  // Points spent to nothing with the button still held: the result screen
  // keeps the icon but the points go dark.
  player.Press(600, 400, MouseButton::Right);
  StepUntil([](const game::GameState&) { return false; });
  ASSERT_EQ(S().ShowingResult, 1);
  Step();
  EXPECT_TRUE(ShowsNumber(65, 125, 0, kDark));
  EXPECT_TRUE(ShowsHintIcon());
}

struct Menu : Hud {
  const std::string items[3] = {platform::Utf8ToCp932("<< 最初からやりなおす >>"),
                                platform::Utf8ToCp932("<<   ギブアップする   >>"),
                                platform::Utf8ToCp932("<<  ゲームを終了する  >>")};
  // Which item the frame shows inverted: 1..3, 0 for none, -1 for a frame
  // that shows the items wrongly.
  int Inverted() {
    int inverted = 0;
    for (int i = 0; i < 3; ++i) {
      const int32_t y = 210 + 35 * i;
      if (frame.ShowsText(227, y, items[i], kBlack, kWhite)) {
        if (inverted != 0) return -1;
        inverted = i + 1;
      } else if (!frame.ShowsText(227, y, items[i], kWhite, kBlack)) {
        return -1;
      }
    }
    return inverted;
  }
  int InvertedAt(int32_t x, int32_t y) {
    player.PointAt(x, y);
    player.Frames(1);
    return Inverted();
  }
};

TEST_F(Menu, OverlayDrawsItsPicturesOverTheDarkenedPanel) {
  player.StartBoard(0);
  player.Click(590, 45);
  player.PointAt(600, 400);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(560, 35, FrameCheck::Effect, 0, 70, 70, 96));
  EXPECT_TRUE(frame.ShowsCopy(415, 165, FrameCheck::Effect, 305, 0, 325, 20));
  EXPECT_TRUE(frame.ShowsCopy(250, 165, FrameCheck::Effect, 160, 40, 300, 60));
  const auto dark = [](uint16_t p) { return FrameCheck::Darken(p, 7); };
  EXPECT_TRUE(frame.ShowsCopy(200, 300, FrameCheck::Back, 200, 300, 270, 320, dark));
  EXPECT_TRUE(frame.ShowsCopy(390, 300, FrameCheck::Back, 390, 300, 460, 320, dark));
  EXPECT_TRUE(frame.ShowsBackdrop(200, 320, 460, 330));
  // Darkened over the board's cells too.
  EXPECT_TRUE(frame.ShowsCopy(270, 300, FrameCheck::Sprite, 0, 10, 20, 20, dark));
  EXPECT_EQ(Inverted(), 0);
}

TEST_F(Menu, HoverRegionsAreNarrowerThanTheClickRegions) {
  player.StartBoard(0);
  player.Click(590, 45);
  EXPECT_EQ(InvertedAt(230, 215), 1);
  EXPECT_EQ(InvertedAt(227, 210), 1);
  EXPECT_EQ(InvertedAt(432, 225), 1);
  EXPECT_EQ(InvertedAt(433, 225), 0);
  EXPECT_EQ(InvertedAt(300, 226), 0);
  EXPECT_EQ(InvertedAt(230, 250), 0);
  EXPECT_EQ(InvertedAt(235, 245), 2);
  EXPECT_EQ(InvertedAt(424, 260), 2);
  EXPECT_EQ(InvertedAt(425, 260), 0);
  EXPECT_EQ(InvertedAt(230, 285), 0);
  EXPECT_EQ(InvertedAt(235, 295), 3);
  EXPECT_EQ(InvertedAt(300, 296), 0);
  // A click at x 230 still works the item the hover leaves alone.
  player.Click(230, 250);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Cleared, 0);
}

TEST_F(Menu, StartOverShowsOneFrameOfTheBackdropAlone) {
  player.StartBoard(0);
  player.Frames(30);
  player.Click(590, 45);
  player.Click(300, 215);
  player.PointAt(600, 400);
  player.Frames(1);
  // The backdrop sheet as built, with its title.
  const platform::Surface& back = *player.Game().BackSheet();
  int differing = 0;
  for (int32_t y = 0; y < 480; ++y)
    for (int32_t x = 0; x < 640; ++x) differing += frame.At(x, y) != back.Pixel(x, y) ? 1 : 0;
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(S().Playing, 1);
  Step();
  EXPECT_TRUE(frame.ShowsTile(270, 190, 0, 0));
  EXPECT_TRUE(ShowsNumber(65, 80, 0, kDark));
  EXPECT_TRUE(ShowsNumber(57, 125, 100, kDark));
  EXPECT_TRUE(frame.ShowsBackdrop(200, 160, 270, 190));
}

TEST(StripButton, PressedLookStaysFromThePressToTheRelease) {
  Player player;
  FrameCheck frame{player};
  player.StartGame();
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsBackdrop(555, 5, 633, 23));
  player.Press(590, 12);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(580, 5, FrameCheck::Effect, 100, 0, 121, 18));
  EXPECT_TRUE(frame.ShowsBackdrop(555, 5, 580, 23));
  player.Move(300, 300);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(580, 5, FrameCheck::Effect, 100, 0, 121, 18));
  player.Release(300, 300);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsBackdrop(555, 5, 633, 23));

  player.Press(565, 12);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(555, 5, FrameCheck::Effect, 75, 0, 96, 18));
  EXPECT_TRUE(frame.ShowsBackdrop(576, 5, 633, 23));
  player.Release(565, 12);
  player.ReturnToGame();

  // Pressed on the board screen too; the release of this one quits.
  player.StartBoard(0);
  player.Press(620, 12);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(605, 5, FrameCheck::Effect, 125, 0, 153, 18));
  EXPECT_TRUE(frame.ShowsBackdrop(555, 5, 605, 23));
}
