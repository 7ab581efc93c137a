#include <gtest/gtest.h>

#include <filesystem>

#include "platform/bitmap/bitmap_file.h"
#include "platform/draw/color.h"
#include "player.h"
#include "shell/dialog_pictures.h"

namespace {

using platform::EventType;

// Counts the pixels of `box` where the dialog's last frame differs from `want`.
int Differences(Player& player, const platform::Surface& want, const platform::Rect& box) {
  const auto& frame = player.backend.video.FrameOf(player.Dialog().Id());
  int differing = 0;
  for (int32_t y = box.top; y < box.bottom; ++y)
    for (int32_t x = box.left; x < box.right; ++x) differing += frame.Pixel(x, y) != want.Pixel(x, y) ? 1 : 0;
  return differing;
}

// The button as it draws itself, alone on a surface of the dialog's size.
platform::Surface Drawn(const platform::Button& button) {
  platform::Surface surface(390, 283, platform::PixelFormat::Rgb565());
  button.Draw(surface);
  return surface;
}

platform::Surface Decoded(std::span<const uint8_t> bitmap, int32_t left, int32_t top) {
  const platform::Picture picture = platform::DecodeBitmap(bitmap);
  platform::Surface surface(390, 283, platform::PixelFormat::Rgb565());
  for (int32_t y = 0; y < picture.height; ++y)
    for (int32_t x = 0; x < picture.width; ++x)
      surface.SetPixel(left + x, top + y,
                       platform::PackColor(surface.Format(), picture.pixels[static_cast<size_t>(y) * picture.width + x]));
  return surface;
}

TEST(Dialog, StartLayoutShowsThePictureAndTheButtonsAndAPressStaysUntilTheRelease) {
  Player player;
  shell::TSatellite& dialog = player.Dialog();
  const auto& frame = player.backend.video.FrameOf(dialog.Id());
  ASSERT_EQ(frame.size, (platform::Size{390, 283}));
  EXPECT_EQ(Differences(player, Decoded(shell::StartPictureBitmap(), 20, 20), {20, 20, 370, 220}), 0);
  EXPECT_EQ(frame.Pixel(5, 5), 0);
  ASSERT_TRUE(dialog.Button_Ok.focused);
  EXPECT_EQ(Differences(player, Drawn(dialog.Button_Ok), dialog.Button_Ok.place), 0);
  EXPECT_EQ(Differences(player, Drawn(dialog.Button_Cancel), dialog.Button_Cancel.place), 0);
  // The focus mark is what tells the two apart.
  platform::Button unfocused = dialog.Button_Ok;
  unfocused.focused = false;
  EXPECT_GT(Differences(player, Drawn(unfocused), dialog.Button_Ok.place), 0);

  player.DialogMouse(EventType::MouseDown, 300, 255);
  platform::Button pressed = dialog.Button_Cancel;
  pressed.pressed = true;
  EXPECT_EQ(Differences(player, Drawn(pressed), pressed.place), 0);
  platform::Button raised = pressed;
  raised.pressed = false;
  EXPECT_GT(Differences(player, Drawn(raised), pressed.place), 0);

  // Released off the button: nothing happens, and the button comes up.
  player.DialogMouse(EventType::MouseUp, 300, 200);
  EXPECT_FALSE(player.Ended());
  EXPECT_FALSE(dialog.PanelLayout());
  EXPECT_EQ(Differences(player, Drawn(raised), pressed.place), 0);
}

TEST(Dialog, PanelLayoutShowsItsPictureTextsAndReturnButtonOnSilver) {
  Player player;
  player.StartGame();
  player.Frames(1);
  player.Click(565, 12);
  shell::TSatellite& dialog = player.Dialog();
  ASSERT_TRUE(dialog.Visible());
  const auto& frame = player.backend.video.FrameOf(dialog.Id());
  // 150 x 220 outside, less the headless frame.
  const platform::Point border = player.backend.windows.ClientOffset(dialog.Id());
  ASSERT_EQ(frame.size, (platform::Size{150 - 2 * border.x, 220 - border.y - border.x}));
  const uint16_t silver = platform::PackColor(platform::PixelFormat::Rgb565(), {192, 192, 192});
  EXPECT_EQ(frame.Pixel(frame.size.width - 1, 5), silver);
  EXPECT_EQ(Differences(player, Decoded(shell::PanelPictureBitmap(), 23, 45), {23, 45, 119, 91}), 0);
  EXPECT_EQ(Differences(player, Drawn(dialog.Button_Return), dialog.Button_Return.place), 0);
  EXPECT_TRUE(dialog.Button_Return.focused);
  int orange = 0, black = 0;
  const uint16_t orangePixel = platform::PackColor(platform::PixelFormat::Rgb565(), {255, 128, 0});
  for (int32_t y = 107; y < 140; ++y)
    for (int32_t x = 14; x < frame.size.width; ++x) orange += frame.Pixel(x, y) == orangePixel ? 1 : 0;
  for (int32_t y = 10; y < 29; ++y)
    for (int32_t x = 10; x < 60; ++x) black += frame.Pixel(x, y) == 0 ? 1 : 0;
  EXPECT_GT(orange, 50);
  EXPECT_GT(black, 30);

  // Enter on the return button gives the screen back to the game.
  player.DialogKey(platform::kKeyReturn);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(player.Game().Visible());
}

TEST(Dialog, TabMovesTheFocusAndEnterOrSpacePressesTheFocusedButton) {
  {
    Player player;
    shell::TSatellite& dialog = player.Dialog();
    const int before = player.backend.video.FrameOf(dialog.Id()).count;
    player.DialogKey(platform::kKeyTab);
    EXPECT_TRUE(dialog.Button_Cancel.focused);
    EXPECT_FALSE(dialog.Button_Ok.focused);
    EXPECT_EQ(player.backend.video.FrameOf(dialog.Id()).count, before + 1);
    EXPECT_EQ(Differences(player, Drawn(dialog.Button_Cancel), dialog.Button_Cancel.place), 0);
    // Shift+Tab goes back; the hidden return button is never focused.
    player.DialogKey(platform::kKeyTab, 1);
    EXPECT_TRUE(dialog.Button_Ok.focused);
    player.DialogKey(platform::kKeyTab, 1);
    EXPECT_TRUE(dialog.Button_Cancel.focused);
    EXPECT_FALSE(dialog.Button_Return.focused);
    player.DialogKey(platform::kKeyReturn);
    EXPECT_TRUE(player.Ended());
    EXPECT_FALSE(player.Game().Visible());
  }
  {
    Player player;
    player.DialogKey(platform::kKeySpace);
    EXPECT_TRUE(player.Dialog().PanelLayout());
    EXPECT_TRUE(player.Game().Visible());
    EXPECT_FALSE(player.Ended());
  }
}

}  // namespace

TEST(Dialog, AfterAStateFileErrorTheDialogIsDrawnWholeBehindTheBox) {
  GameFolder folder;
  std::filesystem::remove(folder.Data("win_state.log"));
  Player player(folder);
  shell::TSatellite& dialog = player.Dialog();
  ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(player.backend.boxes.Shown()[0].owner, dialog.Id());
  ASSERT_EQ(player.backend.video.FrameOf(dialog.Id()).size, (platform::Size{390, 283}));
  EXPECT_EQ(Differences(player, Decoded(shell::StartPictureBitmap(), 20, 20), {20, 20, 370, 220}), 0);
  EXPECT_EQ(Differences(player, Drawn(dialog.Button_Ok), dialog.Button_Ok.place), 0);
  EXPECT_EQ(Differences(player, Drawn(dialog.Button_Cancel), dialog.Button_Cancel.place), 0);
}
