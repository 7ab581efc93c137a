#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/error_box/error_box.h"
#include "platform/error_box/modal_box.h"
#include "platform/error_box/wrap.h"
#include "platform/form.h"
#include "platform/framework_error.h"
#include "platform/headless/headless_backend.h"
#include "platform/text/cell_font.h"
#include "platform/text/cp932.h"
#include "platform/text_codec.h"
#include "platform/window_placement.h"

namespace {

using platform::Event;
using platform::EventType;
using platform::MouseButton;

// A face-less font measures every half-width character 6 wide and every
// full-width one 12, so widths are known to the pixel.
std::unique_ptr<platform::Font> BoxOnlyFont() {
  platform::LogFont font;
  font.lfHeight = 12;
  return platform::CreateFontOnFace(font, std::nullopt);
}

std::string Sjis(const char* utf8) { return platform::Utf8ToCp932(utf8); }

Event Key(platform::WindowId window, uint16_t key) { return {EventType::KeyDown, window, MouseButton::Left, 0, 0, key, 0}; }
Event Mouse(EventType type, platform::WindowId window, int32_t x, int32_t y) {
  return {type, window, MouseButton::Left, x, y, 0, 0};
}

// Every line fits the width and ends between characters.
void ExpectWithin(const std::vector<std::string>& lines, const platform::Font& font, int32_t width) {
  for (const std::string& line : lines) {
    EXPECT_LE(font.TextWidth(line), width) << line;
    EXPECT_EQ(platform::Cp932CutLength(line, line.size()), line.size()) << line;
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line;
  return all;
}

// A form that counts the input that reaches it; a press at a negative x fails.
class CountingForm : public platform::Form {
 public:
  CountingForm(platform::Application& app, int32_t left, int32_t top)
      : Form(app, platform::WindowDesc{"f", left, top, 200, 100, false}) {}
  void FormMouseDown(MouseButton, platform::ShiftState, int32_t X, int32_t) override {
    ++presses;
    if (X < 0) throw platform::FrameworkError(Sjis("押せません"));
  }
  void FormKeyDown(uint16_t&, platform::ShiftState) override { ++keys; }
  int presses = 0;
  int keys = 0;
};

// An application of two forms on a headless screen whose boxes stand up as
// the player sees them.
struct BoxedApp {
  BoxedApp() : app(backend.services) {
    backend.boxes.ShowBoxes(true);
    app.Initialize();
    app.SetTitle("Lumora ver 1.0");
    main = &app.CreateForm<CountingForm>(100, 80);
    other = &app.CreateForm<CountingForm>(600, 400);
    app.ShowMainForm();
    other->Show();
  }
  // The id the box raised next will have.
  platform::WindowId NextBox() const { return backend.windows.NextId(); }
  // Queues a failing press on `form` and the events for the box after it.
  void FailWith(CountingForm& form, const std::vector<Event>& then) {
    backend.events.Push(Mouse(EventType::MouseDown, form.Id(), -1, 0));
    for (const Event& event : then) backend.events.Push(event);
    app.HandleMessage();
  }

  platform::headless::HeadlessBackend backend;
  platform::Application app;
  CountingForm* main = nullptr;
  CountingForm* other = nullptr;
};

}  // namespace

TEST(ErrorBoxWrap, APathStaysWholeOnALineAndEverythingElseBreaksWithinTheWidth) {
  const auto font = BoxOnlyFont();
  // 30 pixels of "ﾌｧｲﾙ " and a 456-pixel path do not fit 480 together.
  const std::string path = "/home/player/games/lumora/" + std::string(36, 'x') + "/win_state.log";
  ASSERT_EQ(font->TextWidth(path), 456);
  const std::string text = Sjis("ﾌｧｲﾙ ") + path + Sjis(" は開けません");
  const auto lines = platform::WrapText(text, 480, *font);
  ExpectWithin(lines, *font, 480);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], Sjis("ﾌｧｲﾙ"));
  EXPECT_EQ(lines[1].rfind(path, 0), 0u);
  EXPECT_EQ(lines[0] + " " + lines[1] + lines[2], text);

  // Japanese text breaks between any two characters, never inside one.
  std::string japanese;
  for (int i = 0; i < 25; ++i) japanese += Sjis("ファイルを");
  const std::string shifted = "a" + japanese;
  const auto wrapped = platform::WrapText(shifted, 100, *font);
  ExpectWithin(wrapped, *font, 100);
  EXPECT_EQ(Joined(wrapped), shifted);
  EXPECT_EQ(wrapped.size(), 16u);

  // A word longer than a line is cut between its characters.
  const std::string longPath = "/" + std::string(150, 'p');
  const auto cut = platform::WrapText(Sjis("ﾌｧｲﾙ ") + longPath, 480, *font);
  ExpectWithin(cut, *font, 480);
  EXPECT_EQ(cut.size(), 2u);
  EXPECT_EQ(Joined(cut), Sjis("ﾌｧｲﾙ ") + longPath);

  // The text's own line ends stay, in every form, with no empty line after
  // a closing one.
  EXPECT_EQ(platform::WrapText("a\r\nb\nc\rd\n", 480, *font), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(platform::WrapText("a\n\nb", 480, *font), (std::vector<std::string>{"a", "", "b"}));
}

TEST(ErrorBoxLayout, TheBoxHoldsItsLinesBesideTheIconAndOKBelowAndStaysOnTheScreen) {
  const auto font = platform::ErrorBoxFont();
  std::string text;
  for (int i = 0; i < 40; ++i) text += Sjis("状態ファイルが読めません。");
  const platform::ErrorBox box = platform::MakeErrorBox(text, *font, platform::ErrorIcon(), {1024, 768});
  ASSERT_GT(box.lines.size(), 3u);
  int32_t lowest = 0;
  for (const platform::Label& line : box.lines) {
    EXPECT_GE(line.left, box.icon.place.right);
    EXPECT_LE(line.left + font->TextWidth(line.text), box.client.width - 16);
    lowest = line.top + 12;
  }
  EXPECT_LE(lowest, box.ok.place.top);
  EXPECT_NEAR(box.ok.place.left + box.ok.place.right, box.client.width, 1);
  EXPECT_LE(box.ok.place.bottom, box.client.height);
  EXPECT_TRUE(box.ok.focused);

  // On a low screen the lines that would push OK off it are left out.
  const platform::ErrorBox low = platform::MakeErrorBox(text, *font, platform::ErrorIcon(), {1024, 200});
  EXPECT_LT(low.lines.size(), box.lines.size());
  EXPECT_LE(low.client.height + 40, 200);
}

TEST(ErrorBoxModal, TheCallReturnsAtTheEventThatClosesTheBoxAndTheOtherWindowsGetNothingMeanwhile) {
  const platform::Rect ok =
      platform::MakeErrorBox(Sjis("押せません"), *platform::ErrorBoxFont(), platform::ErrorIcon(), {1024, 768}).ok.place;
  const std::vector<Event> closers[] = {
      {Key(0, platform::kKeyReturn)},
      {Key(0, platform::kKeySpace)},
      {Key(0, platform::kKeyEscape)},
      {{EventType::CloseRequest, 0}},
      {Mouse(EventType::MouseDown, 0, ok.left, ok.top), Mouse(EventType::MouseUp, 0, ok.left, ok.top)}};
  for (const auto& closer : closers) {
    BoxedApp t;
    const platform::WindowId box = t.NextBox();
    // A press beside OK released over it, and a press on OK slid off and
    // released there, close nothing.
    std::vector<Event> input{Mouse(EventType::MouseDown, t.main->Id(), 5, 5), Key(t.other->Id(), 'A'),
                             Key(box, 'A'), Key(box, platform::kKeyTab), Mouse(EventType::MouseDown, box, 1, 1),
                             Mouse(EventType::MouseUp, box, ok.left, ok.top),
                             Mouse(EventType::MouseDown, box, ok.left, ok.top),
                             Mouse(EventType::MouseMove, box, ok.right, ok.top),
                             Mouse(EventType::MouseUp, box, ok.right, ok.top), {EventType::CloseRequest, t.other->Id()}};
    for (Event event : closer) {
      event.window = box;
      input.push_back(event);
    }
    input.push_back(Key(t.other->Id(), 'B'));
    t.FailWith(*t.main, input);
    ASSERT_EQ(t.backend.boxes.Shown().size(), 1u);
    const auto& shown = t.backend.boxes.Shown()[0];
    EXPECT_EQ(shown.window, box);
    EXPECT_EQ(shown.end, platform::BoxEnd::Answered);
    EXPECT_EQ(shown.owner, t.main->Id());
    EXPECT_GE(t.backend.video.FrameOf(box).count, 1);
    // Only the failing press got through, and nothing after the closing event was taken.
    EXPECT_EQ(t.main->presses, 1);
    EXPECT_EQ(t.other->keys, 0);
    EXPECT_TRUE(t.other->Visible());
    EXPECT_EQ(t.backend.windows.Find(box), nullptr);
    EXPECT_EQ(t.backend.windows.ActiveWindow(), t.main->Id());
    t.app.HandleMessage();
    EXPECT_EQ(t.other->keys, 1);
    EXPECT_TRUE(t.backend.events.Empty());
    // Centred over the client area of the form that raised it.
    const platform::Rect at = t.backend.video.FrameOf(box).screen;
    const platform::Point pos = t.backend.windows.Position(t.main->Id());
    const platform::Point border = t.backend.windows.ClientOffset(t.main->Id());
    EXPECT_NEAR(at.left + at.right, 2 * (pos.x + border.x) + 200, 1);
    EXPECT_NEAR(at.top + at.bottom, 2 * (pos.y + border.y) + 100, 1);
  }
  // Keys that do not close it leave the box up until the input runs out, and
  // so do the repeats of a key held down from before the box opened.
  BoxedApp t;
  const platform::WindowId box = t.NextBox();
  std::vector<Event> held{Key(box, 'A'), Key(box, platform::kKeyTab)};
  for (uint16_t key : {platform::kKeyReturn, platform::kKeySpace, platform::kKeyEscape}) {
    held.push_back(Key(box, key));
    held.back().repeat = true;
    held.push_back({EventType::KeyUp, box, MouseButton::Left, 0, 0, key, 0});
  }
  t.FailWith(*t.other, held);
  EXPECT_EQ(t.backend.boxes.Shown()[0].end, platform::BoxEnd::NoMoreInput);
  EXPECT_EQ(t.backend.boxes.Shown()[0].owner, t.other->Id());
  // An idle handler's error stands over the form the handler works for.
  t.app.SetOnIdle([](bool&) { throw platform::FrameworkError("idle"); }, t.main);
  t.app.HandleMessage();
  EXPECT_EQ(t.backend.boxes.Shown().at(1).owner, t.main->Id());
}

TEST(ErrorBoxModal, WithNoWindowOnTheScreenTheBoxIsCentredOnItAndAQuitClosesItAndEndsTheLoop) {
  BoxedApp t;
  t.main->Hide();
  t.other->Hide();
  const platform::WindowId box = t.NextBox();
  t.FailWith(*t.main, {Mouse(EventType::MouseDown, t.main->Id(), 5, 5), {EventType::Quit}, Key(box, 'A')});
  const auto& shown = t.backend.boxes.Shown()[0];
  EXPECT_EQ(shown.owner, platform::kNoWindow);
  EXPECT_EQ(shown.end, platform::BoxEnd::Quit);
  const platform::Rect at = t.backend.video.FrameOf(box).screen;
  EXPECT_NEAR(at.left + at.right, 1024, 1);
  EXPECT_NEAR(at.top + at.bottom, 768, 1);
  // The quit is not lost: the main loop takes it next and the program ends.
  EXPECT_FALSE(t.app.Terminated());
  t.app.HandleMessage();
  EXPECT_TRUE(t.app.Terminated());
  EXPECT_EQ(t.main->presses, 1);
}

TEST(ErrorBoxLayout, ABoxOverAWindowAtTheScreensEdgeStaysOnTheScreenFrameAndAll) {
  const platform::Size box{300, 100};
  const platform::FrameExtents frame{4, 24, 4, 4};
  const platform::Size screen{1024, 768};
  auto origin = [&](platform::Rect over) {
    const platform::Rect client = platform::PlaceClient({false, over, {}, {}}, frame, box, screen);
    EXPECT_EQ((platform::Size{client.Width(), client.Height()}), box);
    return platform::Point{client.left, client.top};
  };
  EXPECT_EQ(origin({900, 700, 1100, 800}), (platform::Point{724, 668}));
  EXPECT_EQ(origin({-200, -90, 0, 10}), (platform::Point{4, 24}));
  EXPECT_EQ(origin({0, 0, 1024, 768}), (platform::Point{362, 334}));
}
