#include <gtest/gtest.h>

#include <string>

#include "frame_check.h"
#include "game/size_table.h"
#include "platform/text_codec.h"

namespace {

constexpr platform::Rgb kWhite{255, 255, 255};
constexpr platform::Rgb kBlack{0, 0, 0};
constexpr platform::Rgb kPanelInk{10, 10, 10};
constexpr int32_t kLabelX[4] = {235, 270, 325, 380};

struct TitleScreen : ::testing::Test {
  Player player;
  FrameCheck frame{player};
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  game::GameState& S() { return player.State(); }
  static uint16_t Dark(uint16_t p) { return FrameCheck::Darken(p, 7); }
  // Exactly the label of `selected` inverted, every other one white on black.
  void ExpectLabels(int32_t selected) {
    for (int32_t size = 0; size < 4; ++size) {
      const std::string label = game::SizeTable[size].Label;
      if (size == selected) {
        EXPECT_TRUE(frame.ShowsText(kLabelX[size], 225, label, kBlack, kWhite)) << size;
      } else {
        EXPECT_TRUE(frame.ShowsText(kLabelX[size], 225, label, kWhite, kBlack)) << size;
      }
    }
  }
};

}  // namespace

TEST_F(TitleScreen, PanelHoldsHeadingPicturesAndTexts) {
  // The panel's edges, darkened, and the backdrop just outside them.
  EXPECT_TRUE(frame.ShowsCopy(200, 160, FrameCheck::Back, 200, 160, 460, 165, Dark));
  EXPECT_TRUE(frame.ShowsCopy(200, 335, FrameCheck::Back, 200, 335, 460, 340, Dark));
  EXPECT_TRUE(frame.ShowsCopy(200, 160, FrameCheck::Back, 200, 160, 235, 340, Dark));
  EXPECT_TRUE(frame.ShowsBackdrop(190, 150, 470, 160));
  EXPECT_TRUE(frame.ShowsBackdrop(460, 160, 470, 340));
  EXPECT_TRUE(frame.ShowsBackdrop(190, 340, 470, 350));

  EXPECT_TRUE(frame.ShowsCopy(260, 165, FrameCheck::Effect, 160, 60, 300, 80));
  EXPECT_TRUE(frame.ShowsCopy(305, 315, FrameCheck::Effect, 305, 40, 355, 60));
  EXPECT_TRUE(frame.ShowsText(252, 200, platform::Utf8ToCp932("[ スケールの選択 ]"), {255, 100, 100}, kPanelInk));
  EXPECT_TRUE(frame.ShowsText(255, 260, "HIGH SCORE >> ", {255, 255, 50}, kPanelInk));
}

TEST_F(TitleScreen, ChosenSizeIsInvertedWithItsOwnHighScore) {
  const int32_t best[4] = {0, 123, 4567, 89};
  for (int32_t size = 0; size < 4; ++size) S().HighScore[size] = best[size];
  for (int32_t size : {2, 0, 3, 1}) {
    player.Click(Player::kSizeLabelX[size], 230);
    player.Frames(1);
    ExpectLabels(size);
    EXPECT_TRUE(frame.ShowsText(380, 260, std::to_string(best[size]), kWhite, kPanelInk)) << size;
  }
}

TEST_F(TitleScreen, SizeOutsideTheTableHighlightsNothingAndShowsNoScore) {
  S().SizeIndex = 7;
  player.Frames(1);
  ExpectLabels(-1);
  // "HIGH SCORE >> " ends at x 380; the number would start there.
  EXPECT_TRUE(frame.ShowsCopy(381, 260, FrameCheck::Back, 381, 260, 459, 276, Dark));
  EXPECT_TRUE(frame.ShowsText(255, 260, "HIGH SCORE >> ", {255, 255, 50}, kPanelInk));
}

TEST_F(TitleScreen, StartButtonFrameStillShowsTheTitleAndTheNextTheBoard) {
  player.Click(330, 320);
  player.PointAt(600, 400);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 1);
  EXPECT_TRUE(frame.ShowsCopy(305, 315, FrameCheck::Effect, 305, 40, 355, 60));
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsTile(270, 190, 0, 0));
  EXPECT_TRUE(frame.ShowsBackdrop(305, 315, 355, 335));
}
