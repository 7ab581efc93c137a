#include <gtest/gtest.h>

#include <utility>

#include "frame_check.h"
#include "game/random.h"

using platform::MouseButton;

namespace {

struct BoardDrawing : ::testing::Test {
  Player player;
  FrameCheck frame{player};
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  game::GameState& S() { return player.State(); }
  static int32_t CellX(int c) { return 130 + 20 * c; }
  static int32_t CellY(int r) { return 50 + 20 * r; }
  // Clicks the cell and takes the pointer off the field again, so that no
  // hover tint covers the tiles.
  void ClickCell(int c, int r) {
    player.Click(CellX(c) + 10, CellY(r) + 10);
    player.PointAt(600, 400);
  }
  void HoldHints() {
    player.Press(600, 400, MouseButton::Right);
  }
  bool OnBoard(int c, int r) { return c >= S().BoardFirst && c < S().BoardEnd && r >= S().BoardFirst && r < S().BoardEnd; }
  // Hidden cells among the four neighbours on the board.
  int HiddenAround(int c, int r) {
    int n = 0;
    const std::pair<int, int> around[4] = {{c, r - 1}, {c + 1, r}, {c, r + 1}, {c - 1, r}};
    for (auto [nc, nr] : around) n += OnBoard(nc, nr) && S().Board[nc][nr].Hidden != 0 ? 1 : 0;
    return n;
  }
};

}  // namespace

TEST_F(BoardDrawing, SixBySixBoardStartsAt270And190AndEndsAt370And290) {
  player.StartBoard(0);
  player.Frames(1);
  for (int c = 7; c < 13; ++c)
    for (int r = 7; r < 13; ++r) ASSERT_TRUE(frame.ShowsTile(CellX(c), CellY(r), 0, 0)) << c << ", " << r;
  EXPECT_EQ(CellX(7), 270);
  EXPECT_EQ(CellY(7), 190);
  EXPECT_TRUE(frame.ShowsTile(370, 290, 0, 0));
  // The rest of the field is the backdrop.
  EXPECT_TRUE(frame.ShowsBackdrop(130, 50, 530, 190));
  EXPECT_TRUE(frame.ShowsBackdrop(130, 190, 270, 310));
  EXPECT_TRUE(frame.ShowsBackdrop(390, 190, 530, 310));
  EXPECT_TRUE(frame.ShowsBackdrop(130, 310, 530, 450));

  // Pointing at a cell of the field off the board tints nothing.
  player.PointAt(140, 60);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsBackdrop(130, 50, 530, 190));
}

TEST_F(BoardDrawing, WhereTheBoardGetsNoTileTheBackdropStays) {
  player.StartBoard(0);
  player.PointAt(600, 400);
  player.Frames(1);
  // A count no tile shows leaves its cell as the backdrop, and only that cell.
  S().Board[9][9].LitNeighbours = 7;
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsBackdrop(CellX(9), CellY(9), CellX(10), CellY(10)));
  EXPECT_TRUE(frame.ShowsTile(CellX(10), CellY(9), 0, 0));
  EXPECT_TRUE(frame.ShowsTile(CellX(9), CellY(10), 0, 0));
  // A lost sprite sheet gives no tiles at all.
  player.Game().Screen.SpriteSheet->MarkLost();
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsBackdrop(CellX(7), CellY(7), CellX(13), CellY(13)));
}

TEST_F(BoardDrawing, PressedCellChangesOnTheNextFrameAndItsNeighboursOneLater) {
  player.StartBoard(0);
  player.Frames(1);
  ClickCell(9, 9);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsTile(CellX(9), CellY(9), 20, 0));
  EXPECT_TRUE(frame.ShowsTile(CellX(10), CellY(9), 0, 0));
  player.Frames(1);
  const std::pair<int, int> around[4] = {{9, 8}, {10, 9}, {9, 10}, {8, 9}};
  for (auto [c, r] : around) {
    // One lit neighbour: matched when exactly one neighbour is hidden.
    const int32_t left = HiddenAround(c, r) == 1 ? 20 : 0;
    EXPECT_TRUE(frame.ShowsTile(CellX(c), CellY(r), left, 20)) << c << ", " << r;
  }
  EXPECT_TRUE(frame.ShowsTile(CellX(9), CellY(9), 20, 0));
  EXPECT_TRUE(frame.ShowsTile(CellX(10), CellY(10), 0, 0));
}

TEST_F(BoardDrawing, CountTilesShowTheirNumberWithAndWithoutAMatch) {
  player.StartBoard(3);
  // Three lit cells around (c, r) on each of a few spots, so that both a
  // matched and an unmatched three show up somewhere.
  bool matched = false;
  bool unmatched = false;
  for (int c = 2; c < 18 && !(matched && unmatched); c += 4) {
    for (int r = 2; r < 18 && !(matched && unmatched); r += 4) {
      const bool hit = HiddenAround(c, r) == 3;
      if ((hit && matched) || (!hit && unmatched)) continue;
      ClickCell(c, r - 1);
      ClickCell(c + 1, r);
      ClickCell(c - 1, r);
      player.Frames(2);
      const int32_t left = hit ? 20 : 0;
      EXPECT_TRUE(frame.ShowsTile(CellX(c), CellY(r), left, 60)) << c << ", " << r;
      // A lit cell shows the lit tile whatever its count.
      EXPECT_TRUE(frame.ShowsTile(CellX(c), CellY(r - 1), 20, 0));
      (hit ? matched : unmatched) = true;
    }
  }
  EXPECT_TRUE(matched);
  EXPECT_TRUE(unmatched);
}

TEST_F(BoardDrawing, HoverTintsRedWhilePressedWhiteOtherwiseAndNotUnderTheMenu) {
  player.StartBoard(3);
  player.Frames(1);
  const auto white = [](uint16_t p) { return FrameCheck::Tint(p, 31, 31, 31, 4); };
  const auto red = [](uint16_t p) { return FrameCheck::Tint(p, 31, 0, 0, 4); };
  player.PointAt(CellX(4) + 3, CellY(5) + 19);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(CellX(4), CellY(5), FrameCheck::Sprite, 0, 0, 20, 20, white));
  EXPECT_TRUE(frame.ShowsTile(CellX(5), CellY(5), 0, 0));

  player.Press(CellX(4) + 3, CellY(5) + 19);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsCopy(CellX(4), CellY(5), FrameCheck::Sprite, 20, 0, 40, 20, red));

  // Sliding off ends the press: the newly hovered cell is white.
  player.PointAt(CellX(5) + 1, CellY(5) + 1);
  player.Move(CellX(5) + 1, CellY(5) + 1);
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsTile(CellX(4), CellY(5), 20, 0));
  EXPECT_TRUE(frame.ShowsCopy(CellX(5), CellY(5), FrameCheck::Sprite, 0, 20, 20, 40, white) ||
              frame.ShowsCopy(CellX(5), CellY(5), FrameCheck::Sprite, 20, 20, 40, 40, white));
  player.Release(CellX(5) + 1, CellY(5) + 1);

  player.Click(590, 45);
  player.PointAt(CellX(1), CellY(1));
  player.Frames(1);
  EXPECT_TRUE(frame.ShowsTile(CellX(1), CellY(1), 0, 0));
}

TEST_F(BoardDrawing, HintsFlashOnlyLitCellsAndDrawOneValuePerCellPerHeldFrame) {
  player.StartBoard(0);
  player.Frames(1);
  HoldHints();
  for (int i = 0; i < 5; ++i) {
    game::Random expected = player.Game().Rng;
    for (int n = 0; n < 36; ++n) game::NextRandom(expected);
    player.Frames(1);
    EXPECT_EQ(player.Game().Rng.RandomState, expected.RandomState);
  }
  player.Release(600, 400, MouseButton::Right);
  const uint32_t released = player.Game().Rng.RandomState;
  player.Frames(3);
  EXPECT_EQ(player.Game().Rng.RandomState, released);

  // The three left columns lit; flashes land exactly where the generator says.
  for (int c = 7; c < 10; ++c)
    for (int r = 7; r < 13; ++r) ClickCell(c, r);
  HoldHints();
  int flashes = 0;
  for (int i = 0; i < 80 && S().Playing != 0; ++i) {
    game::Random next = player.Game().Rng;
    player.Frames(1);
    for (int c = 7; c < 13; ++c) {
      for (int r = 7; r < 13; ++r) {
        const bool flash = game::NextRandom(next) % 50 == 0;
        const bool lit = c < 10;
        const int32_t x = CellX(c);
        const int32_t y = CellY(r);
        if (lit && flash) {
          ++flashes;
          EXPECT_TRUE(frame.ShowsTile(x, y, S().Board[c][r].Hidden != 0 ? 60 : 40, 0)) << c << ", " << r;
        } else if (lit) {
          EXPECT_TRUE(frame.ShowsTile(x, y, 20, 0)) << c << ", " << r;
        } else {
          EXPECT_FALSE(frame.ShowsTile(x, y, 40, 0)) << c << ", " << r;
          EXPECT_FALSE(frame.ShowsTile(x, y, 60, 0)) << c << ", " << r;
        }
      }
    }
  }
  EXPECT_GT(flashes, 0);
}

TEST_F(BoardDrawing, ResultRevealsRightWrongAndMissedCells) {
  player.StartBoard(3);
  // Lit: a hidden and a plain cell outside the result panel.
  std::pair<int, int> hidden{-1, -1};
  std::pair<int, int> plain{-1, -1};
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 20; ++r) {
      auto& spot = S().Board[c][r].Hidden != 0 ? hidden : plain;
      if (spot.first < 0) spot = {c, r};
    }
  ASSERT_GE(hidden.first, 0);
  ASSERT_GE(plain.first, 0);
  ClickCell(hidden.first, hidden.second);
  ClickCell(plain.first, plain.second);
  player.Frames(2);
  player.Click(590, 45);
  player.Click(300, 250);
  player.Frames(1);
  ASSERT_EQ(S().ShowingResult, 1);
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 20; ++r) {
      const game::TCell& cell = S().Board[c][r];
      const int32_t x = CellX(c);
      const int32_t y = CellY(r);
      if (cell.On != 0) {
        EXPECT_TRUE(frame.ShowsTile(x, y, cell.Hidden != 0 ? 60 : 40, 0));
      } else if (cell.Hidden != 0) {
        EXPECT_TRUE(frame.ShowsTile(x, y, 80, 0));
      } else {
        const int32_t n = cell.LitNeighbours;
        EXPECT_TRUE(n == 0 ? frame.ShowsTile(x, y, 0, 0) : frame.ShowsTile(x, y, cell.Match != 0 ? 20 : 0, 20 * n))
            << c << ", " << r;
      }
    }
  }
}
