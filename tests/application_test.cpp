#include <gtest/gtest.h>

#include <filesystem>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/framework_error.h"
#include "platform/headless/headless_backend.h"
#include "platform/text_codec.h"
#include "player.h"

namespace {

// A form whose press handler fails on demand and counts what reaches it.
class FailingForm : public platform::Form {
 public:
  explicit FailingForm(platform::Application& app) : Form(app, platform::WindowDesc{"t", 0, 0, 100, 100, true}) {}
  void FormMouseDown(platform::MouseButton, platform::ShiftState, int32_t X, int32_t) override {
    ++presses;
    if (X < 0) throw platform::FrameworkError("press failed");
  }
  int presses = 0;
};

}  // namespace

TEST(Application, ErrorInAHandlerIsShownCaptionedWithTheTitleAndTheLoopGoesOn) {
  platform::headless::HeadlessBackend backend;
  platform::Application app(backend.services);
  app.Initialize();
  app.SetTitle("Lumora ver 1.0");
  auto& form = app.CreateForm<FailingForm>();
  app.ShowMainForm();

  backend.events.Push({platform::EventType::MouseDown, form.Id(), platform::MouseButton::Left, -1, 0, 0, 0});
  backend.events.Push({platform::EventType::MouseDown, form.Id(), platform::MouseButton::Left, 5, 0, 0, 0});
  app.HandleMessage();
  app.HandleMessage();
  EXPECT_EQ(form.presses, 2);
  ASSERT_EQ(backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(backend.boxes.Shown()[0].text, "press failed");
  EXPECT_FALSE(app.Terminated());
}

TEST(Application, FailingIdleHandlerWaitsForTheNextMessage) {
  platform::headless::HeadlessBackend backend;
  platform::Application app(backend.services);
  app.Initialize();
  app.SetTitle("Lumora ver 1.0");
  auto& form = app.CreateForm<FailingForm>();
  app.ShowMainForm();
  int calls = 0;
  app.SetOnIdle([&calls](bool& done) {
    ++calls;
    done = false;
    if (calls == 1) throw platform::FrameworkError("idle failed");
  });

  app.HandleMessage();
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(backend.boxes.Shown()[0].text, "idle failed");

  // A message wakes the loop; the idle handler runs again after it.
  backend.events.Push({platform::EventType::MouseDown, form.Id(), platform::MouseButton::Left, 5, 0, 0, 0});
  app.HandleMessage();
  app.HandleMessage();
  app.HandleMessage();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(backend.boxes.Shown().size(), 1u);
}

TEST(Application, SoundSettlesOnEveryIdleTurnAndBeforeTheLoopWaits) {
  platform::headless::HeadlessBackend backend;
  platform::Application app(backend.services);
  app.Initialize();
  app.CreateForm<FailingForm>();
  app.ShowMainForm();
  bool idleDone = false;
  app.SetOnIdle([&idleDone](bool& done) { done = idleDone; });
  const int settles = backend.sound.Settles();

  app.HandleMessage();
  app.HandleMessage();
  EXPECT_EQ(backend.sound.Settles(), settles + 2);

  // A loop that blocks for its next message must not hold a device open.
  idleDone = true;
  app.HandleMessage();
  const int waits = backend.events.Waits();
  app.HandleMessage();
  ASSERT_EQ(backend.events.Waits(), waits + 1);
  EXPECT_EQ(backend.sound.Settles(), settles + 4);
}

TEST(Program, GameWindowShowsOnlyAfterTheDialogStartsIt) {
  Player player;
  const auto* game = player.backend.windows.Find(player.Game().Id());
  const auto* dialog = player.backend.windows.Find(player.Dialog().Id());
  ASSERT_NE(game, nullptr);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->visible);
  EXPECT_FALSE(game->visible);
  player.Frames(5);
  EXPECT_EQ(player.backend.clock.Sleeps(), 0);

  player.StartGame();
  EXPECT_TRUE(player.backend.windows.Find(player.Game().Id())->visible);
  EXPECT_TRUE(player.backend.windows.TaskbarHidden());
  player.Frames(3);
  EXPECT_EQ(player.backend.clock.Sleeps(), 3);
  EXPECT_EQ(player.State().Playing, 0);
  EXPECT_EQ(player.State().ShowingResult, 0);
}

TEST(Program, EveryFrameShowsTheBackdropAroundTheTitlePanel) {
  Player player;
  player.StartGame();
  player.Frames(3);
  const auto& video = player.backend.video;
  EXPECT_EQ(video.FramesShown(), 3);
  const platform::Surface& back = *player.Game().BackSheet();
  ASSERT_EQ(video.LastFrameSize(), (platform::Size{640, 480}));
  int differing = 0;
  for (int32_t y = 0; y < 480; ++y)
    for (int32_t x = 0; x < 640; ++x) {
      const bool panel = x >= 200 && x < 460 && y >= 160 && y < 340;
      if (!panel) differing += video.FramePixel(x, y) != back.Pixel(x, y) ? 1 : 0;
    }
  EXPECT_EQ(differing, 0);
  // Windowed, the frame lands at the game window's place on the screen.
  EXPECT_EQ(video.LastScreenRect(), (platform::Rect{226, 123, 866, 603}));
}

TEST(Program, MissingSheetIsReportedAndNoFrameRuns) {
  Player player;
  std::filesystem::remove(player.folder.Image("Sprite.dat"));
  player.StartGame();
  player.Frames(3);
  ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(player.backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(platform::Cp932ToUtf8(player.backend.boxes.Shown()[0].text),
            "ﾌｧｲﾙ " + player.folder.Image("Sprite.dat").string() + " は開けません");
  EXPECT_EQ(player.backend.video.FramesShown(), 0);
  EXPECT_FALSE(player.Ended());
  player.Key(27);
  EXPECT_TRUE(player.Ended());
}
