#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "frame_check.h"
#include "game/high_score.h"

namespace {

constexpr platform::Rgb kGreen{35, 255, 35};
constexpr platform::Rgb kGrey{190, 190, 190};
constexpr platform::Rgb kWhite{255, 255, 255};
constexpr int32_t kLastBonusTick[4] = {99, 249, 499, 999};

game::GameState Ended(int32_t size, int32_t ticks, int32_t points, uint8_t cleared = 1) {
  game::GameState state;
  state.SizeIndex = size;
  state.ElapsedTicks = ticks;
  state.Points = points;
  state.Cleared = cleared;
  return state;
}

}  // namespace

TEST(ScoreResult, BonusShrinksByTwoPerTickAndRunsOutAtHalfTheBase) {
  const auto fresh = game::ScoreResult(Ended(0, 0, 100));
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(fresh->HasBonus);
  EXPECT_EQ(fresh->TimeBonus, 200);
  EXPECT_EQ(fresh->Total, 300);
  for (int32_t size = 0; size < 4; ++size) {
    const auto last = game::ScoreResult(Ended(size, kLastBonusTick[size], 77));
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->HasBonus) << size;
    EXPECT_EQ(last->TimeBonus, 2) << size;
    EXPECT_EQ(last->Total, 79) << size;
    const auto none = game::ScoreResult(Ended(size, kLastBonusTick[size] + 1, 77));
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->HasBonus) << size;
    EXPECT_EQ(none->Total, 77) << size;
  }
  EXPECT_EQ(game::ScoreResult(Ended(2, 100, 300))->TimeBonus, 800);
}

TEST(ScoreResult, FailedBoardsAndSizesOutsideTheTableScoreNothing) {
  EXPECT_FALSE(game::ScoreResult(Ended(1, 3, 200, 0)));
  EXPECT_FALSE(game::ScoreResult(Ended(4, 3, 200)));
  EXPECT_FALSE(game::ScoreResult(Ended(-1, 3, 200)));
}

TEST(KeepHighScore, OnlyAHigherTotalReplacesTheStoredOne) {
  game::GameState state = Ended(2, 10, 100);
  state.HighScore[2] = 500;
  game::KeepHighScore(state, {true, 400, 500});
  EXPECT_EQ(state.HighScore[2], 500);
  game::KeepHighScore(state, {true, 401, 501});
  EXPECT_EQ(state.HighScore[2], 501);
  game::KeepHighScore(state, {false, 0, 20});
  EXPECT_EQ(state.HighScore[2], 501);
  EXPECT_EQ(state.HighScore[1], 0);
  EXPECT_EQ(state.HighScore[3], 0);
}

namespace {

struct ResultScreen : ::testing::Test {
  Player player;
  FrameCheck frame{player};
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  game::GameState& S() { return player.State(); }

  // Plays a board of the size to a solve on the frame that leaves the clock
  // at `tick`; the result screen is drawn from the next frame on.
  void SolveAtTick(int32_t size, int32_t tick) {
    player.StartBoard(size);
    std::vector<std::pair<int, int>> hidden;
    for (int c = S().BoardFirst; c < S().BoardEnd; ++c)
      for (int r = S().BoardFirst; r < S().BoardEnd; ++r)
        if (S().Board[c][r].Hidden != 0) hidden.push_back({c, r});
    ASSERT_FALSE(hidden.empty());
    for (size_t i = 0; i + 1 < hidden.size(); ++i) ClickCell(hidden[i]);
    player.PointAt(600, 400);
    while (S().ElapsedTicks < tick) player.Frames(1);
    ASSERT_EQ(S().Playing, 1);
    ClickCell(hidden.back());
    player.PointAt(600, 400);
    player.Frames(1);
    ASSERT_EQ(S().Cleared, 1);
    ASSERT_EQ(S().ElapsedTicks, tick);
  }
  void ClickCell(std::pair<int, int> cell) { player.Click(130 + 20 * cell.first + 10, 50 + 20 * cell.second + 10); }
  static uint16_t Dark(uint16_t p) { return FrameCheck::Darken(p, 7); }
  static uint16_t DarkBack(int32_t x, int32_t y) { return Dark(FrameCheck::Back(x, y)); }
  static uint16_t Mixed(uint16_t under, uint16_t sheet) { return FrameCheck::Blend(under, sheet, 2); }
  // The banner's rows above the board, mixed at eight tenths into the
  // darkened backdrop where the sheet is not black.
  testing::AssertionResult ShowsBanner(int32_t sheetTop, int32_t rows) {
    return frame.ShowsOver(230, 170, FrameCheck::Effect, 360, sheetTop, 560, sheetTop + rows, DarkBack,
                           [](uint16_t under, uint16_t sheet) { return sheet == 0 ? under : Mixed(under, sheet); });
  }
  testing::AssertionResult ShowsReturnButton() {
    return frame.ShowsOver(305, 315, FrameCheck::Effect, 305, 20, 355, 40, DarkBack, Mixed);
  }
  void ExpectLabels() {
    EXPECT_TRUE(frame.ShowsKeyedText(230, 225, "TIME BONUS >> ", kGrey));
    EXPECT_TRUE(frame.ShowsKeyedText(220, 260, "TOTAL SCORE >> ", kGrey));
    EXPECT_TRUE(frame.ShowsKeyedText(395, 225, "point", kWhite));
    EXPECT_TRUE(frame.ShowsKeyedText(395, 260, "point", kWhite));
  }
};

struct BonusEdge : ResultScreen, ::testing::WithParamInterface<int32_t> {};
// A 20x20 board still in play at tick 1000 has timed out, so it never shows
// "NONE".
struct NoneEdge : ResultScreen, ::testing::WithParamInterface<int32_t> {};

}  // namespace

TEST_P(BonusEdge, LastTickOfTheSizeEarnsTwo) {
  const int32_t size = GetParam();
  SolveAtTick(size, kLastBonusTick[size]);
  const int32_t total = S().Points + 2;
  player.Frames(1);
  ExpectLabels();
  EXPECT_TRUE(frame.ShowsKeyedText(354, 225, "2", kGreen));
  EXPECT_TRUE(frame.ShowsKeyedText(354, 260, std::to_string(total), kGreen));
  EXPECT_EQ(S().HighScore[size], total);
}

TEST_P(NoneEdge, NextTickShowsNoneInTheSizesColour) {
  const int32_t size = GetParam();
  const platform::Rgb colour = size == 0 ? platform::Rgb{250, 75, 75} : platform::Rgb{200, 100, 50};
  SolveAtTick(size, kLastBonusTick[size] + 1);
  const int32_t total = S().Points;
  player.Frames(1);
  ExpectLabels();
  EXPECT_TRUE(frame.ShowsKeyedText(354, 225, "NONE", colour));
  EXPECT_TRUE(frame.ShowsKeyedText(354, 260, std::to_string(total), kGreen));
  EXPECT_EQ(S().HighScore[size], total);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BonusEdge, ::testing::Values(0, 1, 2, 3));
INSTANTIATE_TEST_SUITE_P(Sizes, NoneEdge, ::testing::Values(0, 1, 2));

TEST_F(ResultScreen, SolvedBoardShowsTheSolvedBannerAndTheReturnButton) {
  SolveAtTick(0, 0);
  const int32_t total = 200 + S().Points;
  player.Frames(1);
  EXPECT_TRUE(ShowsBanner(0, 20));
  EXPECT_TRUE(ShowsReturnButton());
  EXPECT_TRUE(frame.ShowsKeyedText(354, 225, "200", kGreen));
  EXPECT_TRUE(frame.ShowsKeyedText(354, 260, std::to_string(total), kGreen));
  // Panel edges darkened, the backdrop outside.
  EXPECT_TRUE(frame.ShowsCopy(200, 160, FrameCheck::Back, 200, 160, 460, 170, Dark));
  EXPECT_TRUE(frame.ShowsCopy(200, 335, FrameCheck::Back, 200, 335, 460, 340, Dark));
  EXPECT_TRUE(frame.ShowsBackdrop(200, 340, 460, 350));
}

TEST_F(ResultScreen, EqualTotalLeavesTheHighScoreAndAHigherOneReplacesItOnTheFirstFrame) {
  SolveAtTick(0, 0);
  const int32_t total = 200 + S().Points;
  S().HighScore[0] = total;
  S().HighScore[1] = 1;
  player.Frames(1);
  EXPECT_EQ(S().HighScore[0], total);
  player.Click(330, 320);

  SolveAtTick(0, 0);
  const int32_t next = 200 + S().Points;
  S().HighScore[0] = next - 1;
  player.Frames(1);
  EXPECT_EQ(S().HighScore[0], next);
  player.Frames(5);
  EXPECT_EQ(S().HighScore[0], next);
  EXPECT_EQ(S().HighScore[1], 1);

  // The title shows the new best for the size.
  player.Click(330, 320);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsText(380, 260, std::to_string(next), kWhite, {10, 10, 10}));
}

TEST_F(ResultScreen, FailedBoardShowsItsBannerWithNoNumbersAndKeepsTheHighScore) {
  player.StartBoard(0);
  S().HighScore[0] = 5;
  player.Frames(3);
  player.Click(590, 45);
  player.Click(300, 250);
  player.PointAt(600, 400);
  player.Frames(1);
  EXPECT_TRUE(ShowsBanner(35, 20));
  EXPECT_TRUE(ShowsReturnButton());
  EXPECT_EQ(frame.Count(200, 210, 460, 290, kGrey), 0);
  EXPECT_EQ(frame.Count(200, 210, 460, 290, kGreen), 0);
  EXPECT_EQ(frame.Count(200, 210, 460, 290, kWhite), 0);
  EXPECT_EQ(S().HighScore[0], 5);
}
