#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "player.h"

using platform::MouseButton;

namespace {

// The client-area centre of cell (c, r) of the 20 x 20 field.
std::pair<int32_t, int32_t> CellAt(int c, int r) { return {130 + 20 * c + 10, 50 + 20 * r + 10}; }

struct Playing : ::testing::Test {
  Player player;
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  void ClickCell(int c, int r) {
    auto [x, y] = CellAt(c, r);
    player.Click(x, y);
  }
  game::GameState& S() { return player.State(); }
  // Cells of the board with (wanted = true) or without the hidden mark.
  std::vector<std::pair<int, int>> Cells(bool hidden) {
    std::vector<std::pair<int, int>> found;
    for (int c = S().BoardFirst; c < S().BoardEnd; ++c)
      for (int r = S().BoardFirst; r < S().BoardEnd; ++r)
        if ((S().Board[c][r].Hidden != 0) == hidden) found.push_back({c, r});
    return found;
  }
};

}  // namespace

TEST_F(Playing, StartButtonMakesTheBoardOnTheNextFrame) {
  player.Click(330, 320);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().StartRequested, 1);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 1);
  EXPECT_EQ(S().BoardFirst, 7);
  EXPECT_EQ(S().BoardEnd, 13);
  EXPECT_EQ(S().Points, 100);
  EXPECT_EQ(S().ElapsedTicks, 0);
}

TEST_F(Playing, SizeLabelsChooseTheBoard) {
  const int32_t firsts[4] = {7, 5, 3, 0};
  const int32_t points[4] = {100, 250, 500, 1000};
  for (int size = 3; size >= 0; --size) {
    player.Click(Player::kSizeLabelX[size], 230);
    EXPECT_EQ(S().SizeIndex, size);
    player.Click(330, 320);
    player.Frames(1);
    ASSERT_EQ(S().Playing, 1);
    EXPECT_EQ(S().BoardFirst, firsts[size]);
    EXPECT_EQ(S().BoardEnd, 20 - firsts[size]);
    EXPECT_EQ(S().Points, points[size]);
    // Give up, back to the title.
    player.Click(590, 45);
    player.Click(300, 250);
    player.Click(330, 320);
    ASSERT_EQ(S().ShowingResult, 0);
  }
}

TEST_F(Playing, HeldHintCostsAPointOnFrames4And7And10) {
  player.StartBoard();
  player.Press(300, 300, MouseButton::Right);
  std::vector<int32_t> points;
  for (int frame = 1; frame <= 10; ++frame) {
    player.Frames(1);
    points.push_back(S().Points);
  }
  EXPECT_EQ(points, (std::vector<int32_t>{100, 100, 100, 99, 99, 99, 98, 98, 98, 97}));

  // The frame count carries over to the next hold.
  player.Release(300, 300, MouseButton::Right);
  player.Frames(5);
  EXPECT_EQ(S().Points, 97);
  player.Press(300, 300, MouseButton::Right);
  player.Frames(3);
  EXPECT_EQ(S().Points, 96);
}

TEST_F(Playing, PressingACellEndsTheHint) {
  player.StartBoard();
  player.Press(300, 300, MouseButton::Right);
  auto [x, y] = CellAt(9, 9);
  player.Press(x, y);
  player.Frames(20);
  EXPECT_EQ(S().Points, 100);
}

TEST_F(Playing, RightButtonOutsidePlayGivesNoHint) {
  player.Press(300, 300, MouseButton::Right);
  EXPECT_EQ(S().HintHeld, 0);
  player.StartBoard();
  player.Click(590, 45);
  player.Press(300, 300, MouseButton::Right);
  EXPECT_EQ(S().HintHeld, 0);
}

TEST_F(Playing, TimeRunsOutAfterTenThousandPlayFrames) {
  player.StartBoard(3);
  ASSERT_EQ(S().Points, 1000);
  player.Frames(9999);
  EXPECT_EQ(S().Playing, 1);
  EXPECT_EQ(S().ElapsedTicks, 999);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Cleared, 0);
  EXPECT_EQ(S().ElapsedTicks, 1000);
  EXPECT_EQ(S().Points, 800);
  // Every frame sleeps its 50 ms on the virtual clock.
  EXPECT_GE(player.backend.clock.ElapsedMilliseconds(), 10001 * 50);
}

TEST_F(Playing, LightingExactlyTheHiddenCellsSolves) {
  player.StartBoard(1);
  const auto hidden = Cells(true);
  ASSERT_FALSE(hidden.empty());
  for (auto [c, r] : hidden) ClickCell(c, r);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Cleared, 1);
}

TEST_F(Playing, SolvingOnTheFrameThatEmptiesThePointsFails) {
  player.StartBoard();
  const auto hidden = Cells(true);
  const auto plain = Cells(false);
  ASSERT_FALSE(hidden.empty());
  ASSERT_FALSE(plain.empty());

  player.Press(300, 300, MouseButton::Right);
  while (S().Points > 2) player.Frames(1);
  player.Release(300, 300, MouseButton::Right);
  ASSERT_EQ(S().Points, 2);

  const auto [wc, wr] = plain.front();
  ClickCell(wc, wr);
  for (auto [c, r] : hidden) ClickCell(c, r);
  player.Frames(1);
  ASSERT_EQ(S().Playing, 1);

  // Switching the wrong cell off solves the board and costs the last points.
  auto [x, y] = CellAt(wc, wr);
  player.Press(x, y);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Points, 0);
  EXPECT_EQ(S().Cleared, 0);
}

TEST_F(Playing, PointsRunningOutEndsTheBoard) {
  player.StartBoard();
  player.Press(300, 300, MouseButton::Right);
  player.Frames(400);
  EXPECT_EQ(S().Points, 0);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Cleared, 0);
}

TEST_F(Playing, PenaltyIsChargedOncePerPress) {
  player.StartBoard();
  ClickCell(9, 9);
  player.Frames(1);
  auto [x, y] = CellAt(9, 9);

  // Held across frames: charged on the first one only.
  player.Press(x, y);
  player.Frames(3);
  EXPECT_EQ(S().Points, 98);
  player.Release(x, y);

  // Switched on and off again between two frames: the release came first.
  ClickCell(9, 9);
  ClickCell(9, 9);
  player.Frames(1);
  EXPECT_EQ(S().Points, 98);

  // Slid off the cell before the frame.
  ClickCell(9, 9);
  player.Press(x, y);
  player.Move(x + 20, y);
  player.Frames(1);
  EXPECT_EQ(S().Points, 98);
  EXPECT_EQ(S().CellPressed, 0);
  player.Release(x + 20, y);

  // Switching a cell on costs nothing.
  player.Press(x, y);
  player.Frames(2);
  EXPECT_EQ(S().Points, 98);
}

TEST_F(Playing, SlidingUpToNineteenPixelsLeftOfTheFieldKeepsThePress) {
  player.StartBoard(3);
  ClickCell(0, 0);
  player.Frames(1);
  player.Press(135, 55);
  player.Move(111, 55);
  player.Frames(1);
  EXPECT_EQ(S().Points, 998);
  player.Move(110, 55);
  EXPECT_EQ(S().CellPressed, 0);
}

TEST_F(Playing, PressOutsideASmallBoardFlipsAnUnusedCell) {
  player.StartBoard();
  player.backend.sound.Clear();
  auto [x, y] = CellAt(0, 0);
  player.Press(x, y);
  EXPECT_EQ(S().Board[0][0].On, 1);
  EXPECT_EQ(player.backend.sound.Played().size(), 1u);
  player.Release(x, y);
  player.Click(x, y);
  player.Frames(2);
  // Neither counted nor charged.
  EXPECT_EQ(S().Points, 100);
  EXPECT_EQ(S().LitCount, 0);
  EXPECT_EQ(S().Board[0][0].LitNeighbours, -1);
}

TEST_F(Playing, OpenMenuFreezesTheClockAndThePoints) {
  player.StartBoard();
  player.Frames(15);
  player.Click(590, 45);
  ASSERT_EQ(S().MenuState, 3);
  const int32_t ticks = S().ElapsedTicks;
  const int32_t points = S().Points;
  player.Frames(500);
  EXPECT_EQ(S().ElapsedTicks, ticks);
  EXPECT_EQ(S().Points, points);

  // Cells cannot be pressed through the menu, and the close box shuts it.
  auto [x, y] = CellAt(9, 9);
  player.Click(x, y);
  EXPECT_EQ(S().Board[9][9].On, 0);
  player.Click(425, 175);
  EXPECT_EQ(S().MenuState, 0);
  player.Frames(10);
  EXPECT_EQ(S().ElapsedTicks, ticks + 1);

  // The menu button toggles it.
  player.Click(590, 45);
  player.Click(590, 45);
  EXPECT_EQ(S().MenuState, 0);
}

TEST_F(Playing, StartOverMakesAFreshBoardOfTheSameSize) {
  player.StartBoard(2);
  player.Press(300, 300, MouseButton::Right);
  player.Frames(40);
  player.Release(300, 300, MouseButton::Right);
  ASSERT_LT(S().Points, 500);
  player.Click(590, 45);
  player.Click(300, 215);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().MenuState, 0);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 1);
  EXPECT_EQ(S().SizeIndex, 2);
  EXPECT_EQ(S().Points, 500);
  EXPECT_EQ(S().ElapsedTicks, 0);
  EXPECT_EQ(S().TickFrames, 0);
}

TEST_F(Playing, GiveUpShowsTheFailedResultAndTheStartButtonLeadsBack) {
  player.StartBoard();
  player.Click(590, 45);
  player.Click(300, 250);
  EXPECT_EQ(S().Playing, 0);
  EXPECT_EQ(S().ShowingResult, 1);
  EXPECT_EQ(S().Cleared, 0);

  player.Frames(3);
  player.Click(330, 320);
  EXPECT_EQ(S().ShowingResult, 0);
  EXPECT_EQ(S().StartRequested, 0);
  player.Frames(1);
  EXPECT_EQ(S().Playing, 0);
  player.StartBoard();
  EXPECT_EQ(S().Playing, 1);
}

TEST_F(Playing, CloseButtonActsWhereverItIsReleased) {
  player.Press(615, 12);
  player.Move(300, 300);
  EXPECT_FALSE(player.Ended());
  player.Release(300, 300);
  EXPECT_TRUE(player.Ended());
}

TEST_F(Playing, QuitItemEndsTheProgram) {
  player.StartBoard();
  player.Click(590, 45);
  player.Click(300, 285);
  EXPECT_TRUE(player.Ended());
}

TEST(Quitting, EscapeQuitsFromEveryScreenInEitherModeAndSaves) {
  for (const char* mode : {"1", "0"}) {
    for (int screen = 0; screen < 4; ++screen) {
      GameFolder folder;
      folder.WriteData("win_state.log", std::string("10\r\n20\r\n") + mode + "\r\n");
      Player player(folder);
      player.StartGame();
      player.Frames(1);
      if (screen >= 1) player.StartBoard();
      if (screen >= 2) player.Click(590, 45);
      if (screen == 3) player.Click(300, 250);
      player.Frames(1);
      ASSERT_FALSE(player.Ended()) << screen;
      player.Key(27);
      EXPECT_TRUE(player.Ended()) << mode << screen;
      EXPECT_FALSE(player.backend.video.FullScreen()) << mode << screen;
      EXPECT_EQ(folder.ReadData("win_state.log"), std::string("10\r\n20\r\n") + mode + "\r\n") << mode << screen;
    }
  }
}

TEST(Quitting, WindowCloseRequestEndsTheProgram) {
  Player player;
  player.StartGame();
  player.Frames(2);
  player.backend.events.Push({platform::EventType::Quit, 0, MouseButton::Left, 0, 0, 0, 0});
  player.Frames(1);
  EXPECT_TRUE(player.Ended());
}
