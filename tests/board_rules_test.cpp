#include <gtest/gtest.h>

#include "game/board_rules.h"
#include "game/random.h"

using game::GameState;
using game::Random;

namespace {

// A 6x6 board (columns and rows 7..12) with exactly the given hidden cells.
GameState SixBySix(std::initializer_list<std::pair<int, int>> hidden) {
  GameState state;
  Random random;
  game::SeedRandom(random, 1);
  state.SizeIndex = 0;
  game::StartBoard(state, random);
  state.HiddenCount = 0;
  for (int c = 7; c < 13; ++c)
    for (int r = 7; r < 13; ++r) state.Board[c][r].Hidden = 0;
  for (auto [c, r] : hidden) {
    state.Board[c][r].Hidden = 1;
    ++state.HiddenCount;
  }
  return state;
}

}  // namespace

TEST(Random, KnownSeedGivesKnownSequence) {
  Random random;
  game::SeedRandom(random, 12345);
  const int32_t expected[] = {15301, 24996, 10921, 23577, 19316};
  for (int32_t value : expected) EXPECT_EQ(game::NextRandom(random), value);
}

TEST(Random, ValuesStayInFifteenBits) {
  Random random;
  game::SeedRandom(random, 0xFFFFFFFFu);
  for (int i = 0; i < 10000; ++i) {
    const int32_t v = game::NextRandom(random);
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

TEST(StartBoard, DrawsOneValuePerCellOfTheBoard) {
  const struct {
    int32_t sizeIndex;
    uint32_t stateAfter;
  } cases[] = {{0, 3967492613u}, {3, 1549024233u}};  // 36 and 400 draws from seed 12345
  for (const auto& c : cases) {
    GameState state;
    Random random;
    game::SeedRandom(random, 12345);
    state.SizeIndex = c.sizeIndex;
    game::StartBoard(state, random);
    EXPECT_EQ(random.RandomState, c.stateAfter) << "size " << c.sizeIndex;
  }
}

TEST(StartBoard, HiddenPatternFollowsTheGeneratorColumnByColumn) {
  GameState state;
  Random random;
  game::SeedRandom(random, 777);
  state.SizeIndex = 1;
  game::StartBoard(state, random);

  Random replay;
  game::SeedRandom(replay, 777);
  int hidden = 0;
  for (int c = 5; c < 15; ++c) {
    for (int r = 5; r < 15; ++r) {
      const bool expectHidden = game::NextRandom(replay) % 3 == 0;
      EXPECT_EQ(state.Board[c][r].Hidden, expectHidden ? 1 : 0) << c << "," << r;
      hidden += expectHidden ? 1 : 0;
    }
  }
  EXPECT_EQ(state.HiddenCount, hidden);
  EXPECT_EQ(state.Points, 250);
  EXPECT_EQ(state.Playing, 1);
}

TEST(StartBoard, ClearsTheFieldAndMarksCellsOutsideTheBoard) {
  GameState state;
  Random random;
  game::SeedRandom(random, 99);
  // Left over from an earlier 20x20 board.
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 20; ++r) state.Board[c][r] = {1, 1, 1, 3};
  state.SizeIndex = 0;
  state.StartRequested = 1;
  state.SkipTitleDraw = 1;
  state.ElapsedTicks = 55;
  game::StartBoard(state, random);

  for (int c = 0; c < 20; ++c) {
    for (int r = 0; r < 20; ++r) {
      const game::TCell& cell = state.Board[c][r];
      const bool inside = c >= 7 && c < 13 && r >= 7 && r < 13;
      EXPECT_EQ(cell.On, 0);
      EXPECT_EQ(cell.Match, 0);
      EXPECT_EQ(cell.LitNeighbours, inside ? 0 : -1) << c << "," << r;
      if (!inside) {
        EXPECT_EQ(cell.Hidden, 0);
      }
    }
  }
  EXPECT_EQ(state.ElapsedTicks, 0);
  EXPECT_EQ(state.StartRequested, 0);
  EXPECT_EQ(state.SkipTitleDraw, 0);
}

TEST(StartBoard, SizeOutsideTheTableKeepsBoundsAndPoints) {
  GameState state;
  Random random;
  game::SeedRandom(random, 5);
  state.SizeIndex = 7;
  game::StartBoard(state, random);
  EXPECT_EQ(state.BoardFirst, 0);
  EXPECT_EQ(state.BoardEnd, 0);
  EXPECT_EQ(state.Points, 0);
  EXPECT_EQ(random.RandomState, 5u) << "an empty board draws nothing";

  state.SizeIndex = 2;
  game::StartBoard(state, random);
  state.SizeIndex = -1;
  state.Points = 17;
  game::StartBoard(state, random);
  EXPECT_EQ(state.BoardFirst, 3);
  EXPECT_EQ(state.BoardEnd, 17);
  EXPECT_EQ(state.Points, 17);
}

TEST(CountNeighbours, WorkedExample) {
  GameState state = SixBySix({{8, 8}, {9, 8}});
  state.Board[8][8].On = 1;
  state.Board[10][10].On = 1;
  game::CountNeighbours(state);

  EXPECT_EQ(state.Board[9][8].LitNeighbours, 1);
  EXPECT_EQ(state.Board[9][8].Match, 1);
  EXPECT_EQ(state.Board[10][9].LitNeighbours, 1);
  EXPECT_EQ(state.Board[10][9].Match, 0);
  EXPECT_EQ(state.Board[7][8].LitNeighbours, 1);
  EXPECT_EQ(state.Board[7][8].Match, 1);
  EXPECT_EQ(state.LitCount, 2);
  EXPECT_EQ(state.LitHiddenCount, 1);
  EXPECT_EQ(state.Playing, 1);

  state.Board[10][10].On = 0;
  state.Board[9][8].On = 1;
  game::CountNeighbours(state);
  EXPECT_EQ(state.LitCount, 2);
  EXPECT_EQ(state.LitHiddenCount, 2);
  EXPECT_EQ(state.Playing, 0);
  EXPECT_EQ(state.ShowingResult, 1);
  EXPECT_EQ(state.Cleared, 1);
}

TEST(CountNeighbours, OnlyOrthogonalNeighboursInsideTheBoardCount) {
  GameState state = SixBySix({{7, 7}});
  // Every cell of the board and a ring of cells outside it are on.
  for (int c = 6; c < 14; ++c)
    for (int r = 6; r < 14; ++r) state.Board[c][r].On = 1;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Board[7][7].LitNeighbours, 2);    // corner
  EXPECT_EQ(state.Board[12][12].LitNeighbours, 2);  // corner
  EXPECT_EQ(state.Board[9][7].LitNeighbours, 3);    // edge
  EXPECT_EQ(state.Board[12][10].LitNeighbours, 3);  // edge
  EXPECT_EQ(state.Board[9][9].LitNeighbours, 4);    // inner
  EXPECT_EQ(state.LitCount, 36) << "cells outside the board are never counted";
  EXPECT_EQ(state.Board[6][6].LitNeighbours, -1);
}

TEST(CountNeighbours, MatchNeedsEqualCountsAndSurvivesZeroLit) {
  GameState state = SixBySix({{9, 10}, {2, 2}});
  state.HiddenCount = 1;
  state.Board[9][8].On = 1;  // one lit neighbour of (9, 9); its hidden one is (9, 10)
  game::CountNeighbours(state);
  EXPECT_EQ(state.Board[9][9].LitNeighbours, 1);
  EXPECT_EQ(state.Board[9][9].Match, 1);

  state.Board[9][8].On = 0;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Board[9][9].LitNeighbours, 0);
  EXPECT_EQ(state.Board[9][9].Match, 1) << "no lit neighbour keeps the earlier Match";

  state.Board[8][9].On = 1;
  state.Board[9][8].On = 1;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Board[9][9].LitNeighbours, 2);
  EXPECT_EQ(state.Board[9][9].Match, 0);
}

TEST(CountNeighbours, SolvedOnlyWithExactlyTheHiddenSetOn) {
  GameState state = SixBySix({{7, 7}, {12, 12}});
  state.Board[7][7].On = 1;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Playing, 1) << "a hidden cell is still off";

  state.Board[12][12].On = 1;
  state.Board[10][10].On = 1;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Playing, 1) << "one lit cell too many";

  state.Board[10][10].On = 0;
  game::CountNeighbours(state);
  EXPECT_EQ(state.Cleared, 1);

  GameState empty = SixBySix({});
  game::CountNeighbours(empty);
  EXPECT_EQ(empty.Cleared, 1) << "a board with no hidden cell is solved at once";
}

TEST(DrainPoints, PenaltyOnlyForSwitchingABoardCellOff) {
  GameState state = SixBySix({});
  state.Points = 50;
  state.CellPressed = 1;
  state.Board[9][9].On = 0;
  game::DrainPoints(state, 9, 9);
  EXPECT_EQ(state.Points, 48);
  game::DrainPoints(state, 9, 9);
  EXPECT_EQ(state.Points, 48) << "charged once per press";

  state.PenaltyCharged = 0;
  state.Board[9][9].On = 1;
  game::DrainPoints(state, 9, 9);
  EXPECT_EQ(state.Points, 48) << "switching on is free";

  state.Board[1][1].On = 0;
  game::DrainPoints(state, 1, 1);
  EXPECT_EQ(state.Points, 48) << "a cell outside the board is never charged";
}

TEST(DrainPoints, OnePointEveryFiftyFramesNeverBelowZero) {
  GameState state = SixBySix({});
  state.Points = 10;
  for (int i = 0; i < 49; ++i) game::DrainPoints(state, 0, 0);
  EXPECT_EQ(state.Points, 10);
  game::DrainPoints(state, 0, 0);
  EXPECT_EQ(state.Points, 9);
  EXPECT_EQ(state.DrainFrames, 0);

  state.Points = 1;
  state.CellPressed = 1;
  game::DrainPoints(state, 9, 9);
  EXPECT_EQ(state.Points, 0);
}
