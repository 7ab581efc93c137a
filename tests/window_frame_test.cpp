#include <gtest/gtest.h>

#include "player.h"

using platform::FrameExtents;
using platform::Point;
using platform::Size;

// The dialog stands centred on its outer size, frame included, whatever frame
// the window manager gives it and however late it tells it.
TEST(WindowFrame, DialogIsCentredOnItsOuterSizeAsTheFrameComesAndGoes) {
  Player player({1280, 1024});
  auto& windows = player.backend.windows;
  const platform::WindowId dialog = player.Dialog().Id();
  // The headless frame: 3 on the sides and bottom, 22 on top.
  EXPECT_EQ(windows.Position(dialog), (Point{(1280 - 396) / 2, (1024 - 308) / 2}));
  windows.SetFrame({2, 21, 2, 2});
  EXPECT_EQ(windows.Position(dialog), (Point{443, 359}));
  EXPECT_EQ(windows.ClientSize(dialog), (Size{390, 283}));
  // With no window manager there is no frame, and the client area is centred.
  windows.SetFrame({});
  EXPECT_EQ(windows.Position(dialog), (Point{445, 370}));
  EXPECT_EQ(windows.ClientOffset(dialog), (Point{0, 0}));
}

// The panel's outer corner is at 15, 15 and it is 150 x 220 in all; its
// client area, and the picture shown in it, take what the frame leaves.
TEST(WindowFrame, PanelIsOneHundredFiftyByTwoHundredTwentyAtFifteenWhateverTheFrame) {
  for (const FrameExtents frame : {FrameExtents{1, 20, 1, 1}, FrameExtents{5, 24, 5, 5}, FrameExtents{}}) {
    SCOPED_TRACE(testing::Message() << "frame " << frame.left << " " << frame.top);
    Player player;
    auto& windows = player.backend.windows;
    windows.SetFrame(frame);
    player.StartGame();
    player.Frames(1);
    player.Click(565, 12);
    const platform::WindowId panel = player.Dialog().Id();
    ASSERT_TRUE(player.Dialog().Visible());
    const Size client{150 - frame.left - frame.right, 220 - frame.top - frame.bottom};
    EXPECT_EQ(windows.Position(panel), (Point{15, 15}));
    EXPECT_EQ(windows.ClientSize(panel), client);
    EXPECT_EQ(player.backend.video.FrameOf(panel).size, client);

    // A frame told late, or changed, leaves the panel's outer place and size.
    windows.SetFrame({4, 30, 4, 4});
    EXPECT_EQ(windows.Position(panel), (Point{15, 15}));
    EXPECT_EQ(windows.ClientSize(panel), (Size{142, 186}));
  }
}
