#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player.h"

using platform::kKeyDown;
using platform::kKeyLeft;
using platform::kKeyReturn;
using platform::kKeyRight;
using platform::kKeySpace;
using platform::kKeyUp;

namespace {

std::vector<uint16_t> ShownFrame(Player& player) { return player.backend.video.LastFrame(); }

// Steps the keyboard's cursor onto cell (c, r).
void CursorTo(Player& player, int32_t c, int32_t r) {
  const game::KeyCursor& keys = player.State().Keys;
  while (keys.Column < c) player.Tap(kKeyRight);
  while (keys.Column > c) player.Tap(kKeyLeft);
  while (keys.Row < r) player.Tap(kKeyDown);
  while (keys.Row > r) player.Tap(kKeyUp);
}

// Space held over a frame, as a button is, then let go.
void PressCell(Player& player) {
  player.Key(kKeySpace);
  player.Frames(1);
  player.KeyUp(kKeySpace);
}

}  // namespace

TEST(Keyboard, AWholeSixBySixBoardIsSolvedByKeysAlone) {
  Player player;
  player.DialogKey(kKeyReturn);
  ASSERT_TRUE(player.Game().Visible());
  player.Frames(1);
  player.Tap(kKeyRight);
  EXPECT_EQ(player.State().SizeIndex, 1);
  for (int i = 0; i < 5; ++i) player.Tap(kKeyLeft);
  EXPECT_EQ(player.State().SizeIndex, 0);
  player.Tap(kKeyReturn);
  player.Frames(1);
  game::GameState& state = player.State();
  ASSERT_EQ(state.Playing, 1);
  EXPECT_EQ(state.BoardEnd - state.BoardFirst, 6);
  EXPECT_EQ(state.Keys.Column, state.BoardFirst);
  EXPECT_EQ(state.Keys.Row, state.BoardFirst);

  player.backend.sound.Clear();
  int hidden = 0;
  for (int32_t c = state.BoardFirst; c < state.BoardEnd; ++c) {
    for (int32_t r = state.BoardFirst; r < state.BoardEnd; ++r) {
      if (state.Board[c][r].Hidden == 0) continue;
      CursorTo(player, c, r);
      PressCell(player);
      ++hidden;
    }
  }
  ASSERT_GT(hidden, 0);
  EXPECT_EQ(player.backend.sound.Played().size(), static_cast<size_t>(hidden));
  player.Frames(1);
  EXPECT_EQ(state.Playing, 0);
  EXPECT_EQ(state.ShowingResult, 1);
  EXPECT_EQ(state.Cleared, 1);
  player.Frames(1);
  EXPECT_GT(state.HighScore[0], 0);
  player.Tap(kKeySpace);
  EXPECT_EQ(state.ShowingResult, 0);
  player.Frames(1);
  EXPECT_EQ(state.Playing, 0);
}

// The cursor starts on the board's top-left cell, stops at its edges, and is
// drawn exactly as the pointer's hover over the same cell.
TEST(Keyboard, TheCursorStopsAtTheBoardsEdgesAndIsDrawnAsTheHover) {
  Player keys, mouse;
  for (Player* p : {&keys, &mouse}) {
    p->StartGame();
    p->Frames(1);
    p->StartBoard(1);
  }
  game::GameState& state = keys.State();
  keys.Tap(kKeyLeft);
  keys.Tap(kKeyUp);
  EXPECT_EQ(state.Keys.Column, 5);
  EXPECT_EQ(state.Keys.Row, 5);
  for (int i = 0; i < 3; ++i) keys.Tap(kKeyRight);
  keys.Tap(kKeyDown);
  mouse.PointAt(130 + 20 * 8 + 7, 50 + 20 * 6 + 3);
  keys.Frames(1);
  mouse.Frames(1);
  EXPECT_EQ(ShownFrame(keys), ShownFrame(mouse));

  for (int i = 0; i < 25; ++i) keys.Tap(kKeyRight);
  for (int i = 0; i < 25; ++i) keys.Tap(kKeyDown);
  EXPECT_EQ(state.Keys.Column, 14);
  EXPECT_EQ(state.Keys.Row, 14);

  // The pointer takes over again; the cursor stays where it was, unseen.
  keys.Move(20, 20);
  EXPECT_FALSE(state.Keys.Shown);
  keys.Tap(kKeyLeft);
  EXPECT_EQ(state.Keys.Column, 13);
  EXPECT_TRUE(state.Keys.Shown);
}

// Space switching a lit cell off costs the once-per-press penalty, as a left
// press held over a frame does; a key that repeats presses only once.
TEST(Keyboard, SpaceIsALeftPressOnTheCursorsCell) {
  Player player;
  player.StartGame();
  player.Frames(1);
  player.StartBoard(0);
  game::GameState& state = player.State();
  const int32_t c = state.BoardFirst, r = state.BoardFirst;
  PressCell(player);
  EXPECT_EQ(state.Board[c][r].On, 1);
  player.Key(kKeySpace);
  player.Key(kKeySpace);
  EXPECT_EQ(state.Board[c][r].On, 0);
  EXPECT_EQ(state.CellPressed, 1);
  const int32_t points = state.Points;
  player.Frames(2);
  EXPECT_EQ(state.Points, points - 2);
  // Stepping off the cell ends its press, as the pointer's leaving does.
  player.Tap(kKeyRight);
  EXPECT_EQ(state.CellPressed, 0);
  player.KeyUp(kKeySpace);
  EXPECT_EQ(state.Board[c][r].On, 0);
  EXPECT_EQ(state.Board[c + 1][r].On, 0);
}

TEST(Keyboard, HoldingHShowsAndChargesHintsAsTheRightButtonDoes) {
  Player keys, mouse;
  for (Player* p : {&keys, &mouse}) {
    p->StartGame();
    p->Frames(1);
    p->StartBoard(2);
  }
  keys.Key('H');
  keys.PointAt(600, 460);
  mouse.Press(600, 460, platform::MouseButton::Right);
  keys.Frames(7);
  mouse.Frames(7);
  EXPECT_EQ(keys.State().HintHeld, 1);
  EXPECT_EQ(keys.State().Points, mouse.State().Points);
  EXPECT_LT(keys.State().Points, 500);
  EXPECT_EQ(ShownFrame(keys), ShownFrame(mouse));
  keys.KeyUp('H');
  EXPECT_EQ(keys.State().HintHeld, 0);
}

TEST(Keyboard, MOpensTheMenuWhoseItemsTheArrowsChooseAndEnterWorks) {
  Player keys, mouse;
  for (Player* p : {&keys, &mouse}) {
    p->StartGame();
    p->Frames(1);
    p->StartBoard(0);
  }
  game::GameState& state = keys.State();
  keys.Tap('M');
  EXPECT_EQ(state.MenuState, 3);
  keys.Tap('M');
  EXPECT_EQ(state.MenuState, 0);
  keys.Tap('M');
  for (int i = 0; i < 4; ++i) keys.Tap(kKeyDown);
  EXPECT_EQ(state.Keys.MenuItem, 2);
  keys.Tap(kKeyUp);
  EXPECT_EQ(state.Keys.MenuItem, 1);
  // Arrows in the open menu leave the board's cursor alone.
  EXPECT_FALSE(state.Keys.Shown);

  // The chosen item is lit as the pointer's hover lights it.
  mouse.Click(590, 45);
  mouse.PointAt(300, 250);
  keys.Frames(1);
  mouse.Frames(1);
  EXPECT_EQ(ShownFrame(keys), ShownFrame(mouse));

  keys.Tap(kKeyReturn);
  EXPECT_EQ(state.ShowingResult, 1);
  EXPECT_EQ(state.Cleared, 0);
  keys.Frames(1);
  keys.Tap(kKeyReturn);
  EXPECT_EQ(state.ShowingResult, 0);
}

// select_game.log may hold any int32; Left and Right on the title bring it
// into the table, the extremes included.
TEST(Keyboard, TheArrowsBringAnyStoredSizeIntoTheTable) {
  struct Case {
    const char* stored;
    uint16_t key;
    int32_t chosen;
  };
  const Case cases[] = {
      {"-2147483648", kKeyLeft, 0}, {"2147483647", kKeyRight, 3}, {"7", kKeyLeft, 3}, {"-5", kKeyRight, 0}};
  for (const Case& c : cases) {
    GameFolder folder;
    folder.WriteData("select_game.log", std::string(c.stored) + "\r\n");
    Player player(folder);
    ASSERT_TRUE(player.backend.boxes.Shown().empty()) << c.stored;
    player.DialogKey(kKeyReturn);
    player.Frames(1);
    player.Tap(c.key);
    EXPECT_EQ(player.State().SizeIndex, c.chosen) << c.stored;
  }
}
