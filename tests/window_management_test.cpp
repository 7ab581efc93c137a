#include <gtest/gtest.h>

#include <string>

#include "player.h"

using platform::Point;

namespace {

// A game started windowed with its window at (left, top).
struct Running : ::testing::Test {
  explicit Running(int32_t left = 100, int32_t top = 60) {
    folder.WriteData("win_state.log", std::to_string(top) + "\r\n" + std::to_string(left) + "\r\n1\r\n");
    player = std::make_unique<Player>(folder);
    player->StartGame();
    player->Frames(1);
  }
  GameFolder folder;
  std::unique_ptr<Player> player;

  game::WindowState& W() { return player->Game().Window; }
  platform::headless::HeadlessWindows& Windows() { return player->backend.windows; }
  platform::headless::HeadlessVideo& Video() { return player->backend.video; }
  bool Away() {
    return W().DisplayLive == 0 && !player->Game().Screen.Live() && Windows().IsMinimised(player->Game().Id()) &&
           player->Dialog().Visible();
  }
  // One drag step with the pointer at (x, y) on the screen.
  void DragTo(int32_t x, int32_t y) {
    Windows().SetCursor({x, y});
    player->Frames(1);
  }
};

struct AtTheLeftEdge : Running {
  AtTheLeftEdge() : Running(0, 100) {}
};

}  // namespace

TEST_F(AtTheLeftEdge, DragKeepsTheGrabPointUntilAnEdgeHoldsTheWindowFlushAndDropsIt) {
  player->Press(100, 10);
  const int shown = Video().FramesShown();
  player->Frames(1);
  EXPECT_EQ(W().DragAnchor, (Point{100, 10}));
  EXPECT_EQ(player->GamePosition(), (Point{0, 100}));

  DragTo(150, 140);
  EXPECT_EQ(player->GamePosition(), (Point{50, 130}));
  EXPECT_EQ(W().WindowRect, (platform::Rect{50, 130, 690, 610}));
  EXPECT_EQ(W().LastLeft, 50);
  EXPECT_EQ(W().LastTop, 130);

  // Left 400 on a 1024-pixel screen is held at 384 and the grab point goes;
  // the next step takes a new one and moves nothing, the one after moves.
  DragTo(500, 140);
  EXPECT_EQ(player->GamePosition(), (Point{384, 130}));
  EXPECT_EQ(W().DragAnchored, 0);
  DragTo(500, 140);
  EXPECT_EQ(W().DragAnchor, (Point{116, 10}));
  EXPECT_EQ(player->GamePosition(), (Point{384, 130}));
  DragTo(400, 140);
  EXPECT_EQ(player->GamePosition(), (Point{284, 130}));

  DragTo(106, 140);
  EXPECT_EQ(player->GamePosition(), (Point{0, 130}));
  EXPECT_EQ(W().DragAnchored, 0);
  player->Frames(1);
  // 768 - 480 is as low as the top goes.
  DragTo(106, 500);
  EXPECT_EQ(player->GamePosition(), (Point{0, 288}));
  EXPECT_EQ(W().LastTop, 288);

  // No frame while dragging; frames again once the button is up.
  EXPECT_EQ(Video().FramesShown(), shown);
  player->Release(0, 0);
  player->Frames(1);
  EXPECT_EQ(Video().FramesShown(), shown + 1);
  EXPECT_EQ(Video().LastScreenRect(), (platform::Rect{0, 288, 640, 768}));
}

TEST_F(Running, InFullScreenTheStripDragsNothingAndFramesGoOn) {
  player->Click(590, 12);
  ASSERT_TRUE(Video().FullScreen());
  player->Press(100, 10);
  const int shown = Video().FramesShown();
  DragTo(600, 600);
  DragTo(700, 700);
  EXPECT_EQ(player->GamePosition(), (Point{100, 60}));
  EXPECT_EQ(Video().FramesShown(), shown + 2);
}

TEST_F(Running, AwayNoFrameRunsTheClocksStandAndTheReturnBringsTheGameBackWhereItWas) {
  player->StartBoard();
  player->Press(100, 10);
  player->Frames(1);
  DragTo(300, 200);
  player->Release(0, 0);
  player->Frames(7);
  const int32_t ticks = player->State().TickFrames;
  const int shown = Video().FramesShown();

  Windows().Deactivate();
  player->Frames(1);
  ASSERT_TRUE(Away());
  EXPECT_EQ(Windows().Position(player->Dialog().Id()), (Point{15, 15}));
  const int64_t sleeps = player->backend.clock.Sleeps();
  Windows().Deactivate();
  player->Frames(30);
  EXPECT_TRUE(Away());
  EXPECT_EQ(Video().FramesShown(), shown);
  EXPECT_EQ(player->State().TickFrames, ticks);
  EXPECT_EQ(player->backend.clock.Sleeps(), sleeps + 30);

  player->ReturnToGame();
  EXPECT_FALSE(player->Dialog().Visible());
  EXPECT_EQ(player->GamePosition(), (Point{200, 190}));
  player->Frames(1);
  EXPECT_TRUE(player->Game().Screen.Live());
  EXPECT_EQ(Windows().ActiveWindow(), player->Game().Id());
  EXPECT_EQ(Video().FramesShown(), shown + 1);
  EXPECT_EQ(player->State().TickFrames, ticks + 1);
  EXPECT_EQ(Video().LastScreenRect(), (platform::Rect{200, 190, 840, 670}));
}

TEST_F(Running, MinimiseButtonGivesTheScreenUpToThePanel) {
  player->Press(565, 12);
  EXPECT_FALSE(Away());
  player->Release(300, 300);
  EXPECT_TRUE(Away());
  EXPECT_TRUE(player->Dialog().PanelLayout());
  player->Frames(3);
  EXPECT_TRUE(Away());
  player->ReturnToGame();
  player->Frames(1);
  EXPECT_FALSE(Away());
  EXPECT_EQ(player->GamePosition(), (Point{100, 60}));
}

TEST_F(Running, FullScreenAndBackReturnsTheWindowToItsPlaceAlsoAfterAFocusLossInBetween) {
  for (bool loseFocus : {false, true}) {
    player->Click(590, 12);
    ASSERT_TRUE(Video().FullScreen());
    EXPECT_EQ(W().RestoreFullScreen, 1);
    // The window system may put a full-screen window at the origin.
    player->Game().MoveTo(0, 0);
    player->Frames(1);
    if (loseFocus) {
      Windows().Deactivate();
      player->Frames(1);
      ASSERT_TRUE(Away());
      EXPECT_FALSE(Video().FullScreen());
      player->ReturnToGame();
      player->Frames(1);
      EXPECT_TRUE(Video().FullScreen());
      EXPECT_EQ(W().FullScreen, 1);
    }
    player->Click(590, 12);
    EXPECT_FALSE(Video().FullScreen());
    EXPECT_EQ(W().RestoreFullScreen, 0);
    EXPECT_EQ(player->GamePosition(), (Point{100, 60})) << loseFocus;
    player->Frames(1);
    EXPECT_EQ(Video().LastScreenRect(), (platform::Rect{100, 60, 740, 540})) << loseFocus;
  }
}

TEST_F(Running, FocusThatArrivesLateIsNoLossButOnceHadItsLossGivesTheScreenUp) {
  player->Click(565, 12);
  Windows().SetLateFocus(true);
  player->ReturnToGame();
  const int shown = Video().FramesShown();
  player->Frames(10);
  EXPECT_FALSE(Away());
  EXPECT_TRUE(player->Game().Screen.Live());
  EXPECT_EQ(Video().FramesShown(), shown);
  Windows().Activate(player->Game().Id());
  player->Frames(1);
  EXPECT_EQ(Video().FramesShown(), shown + 1);
  Windows().Deactivate();
  player->Frames(1);
  EXPECT_TRUE(Away());

  // Focus that never comes is given up after two seconds.
  player->ReturnToGame();
  player->Frames(40);
  EXPECT_FALSE(Away());
  player->Frames(1);
  EXPECT_TRUE(Away());
}

TEST_F(Running, GameRestoredWhileThePanelHasTheFocusTakesTheFocusFromIt) {
  player->Click(565, 12);
  ASSERT_TRUE(Away());
  Windows().Restore(player->Game().Id());
  Windows().Activate(player->Dialog().Id());
  const int shown = Video().FramesShown();
  player->Frames(1);
  EXPECT_FALSE(player->Dialog().Visible());
  EXPECT_EQ(Windows().ActiveWindow(), player->Game().Id());
  EXPECT_EQ(Video().FramesShown(), shown + 1);
}

TEST_F(Running, ThePanelTakesTheActivationOnlyWhenThePlayerSendsTheGameAway) {
  // Another window took it, a second copy's dialog say: it stays there.
  Windows().Deactivate();
  player->Frames(1);
  ASSERT_TRUE(Away());
  EXPECT_EQ(Windows().ActiveWindow(), platform::kNoWindow);
  player->ReturnToGame();
  player->Frames(1);
  ASSERT_FALSE(Away());
  player->Click(565, 12);
  ASSERT_TRUE(Away());
  EXPECT_EQ(Windows().ActiveWindow(), player->Dialog().Id());
}

TEST(Starting, TheGameKeepsItsScreenUntilTheLateFirstFocusArrives) {
  Player player;
  player.backend.windows.SetLateFocus(true);
  player.StartGame();
  player.Frames(5);
  EXPECT_TRUE(player.Game().Screen.Live());
  EXPECT_FALSE(player.Dialog().Visible());
  EXPECT_EQ(player.backend.video.FramesShown(), 0);
  player.backend.windows.Activate(player.Game().Id());
  player.Frames(1);
  EXPECT_EQ(player.backend.video.FramesShown(), 1);
}

TEST(Quitting, ClosingTheGameOrThePanelByTheWindowSystemSaves) {
  for (int way = 0; way < 3; ++way) {
    GameFolder f;
    Player p(f);
    p.StartGame();
    p.Frames(1);
    p.Game().MoveTo(30 + way, 40);
    if (way == 0) p.CloseWindow(p.Game().Id());
    if (way == 1) {
      p.backend.events.Push({platform::EventType::Quit, 0, platform::MouseButton::Left, 0, 0, 0, 0});
      p.Frames(1);
    }
    if (way == 2) {
      p.Press(565, 12);
      p.Release(565, 12);
      p.CloseWindow(p.Dialog().Id());
    }
    EXPECT_TRUE(p.Ended()) << way;
    EXPECT_EQ(f.ReadData("win_state.log"), "40\r\n" + std::to_string(30 + way) + "\r\n1\r\n") << way;
    EXPECT_GT(p.backend.windows.Invalidations(), 0) << way;
  }
}
