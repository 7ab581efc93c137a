#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/error_box/modal_box.h"
#include "platform/headless/headless_backend.h"
#include "platform/language/translation.h"
#include "platform/present/rgb565.h"
#include "platform/text_codec.h"
#include "png_file.h"
#include "script.h"
#include "shell/program.h"
#include "shell/satellite.h"
#include "game/size_table.h"
#include "game/varnix.h"

namespace {

int64_t SeedOf(const std::vector<ScriptStep>& steps) {
  for (const auto& step : steps)
    if (step.kind == ScriptStep::Kind::Seed) return step.a;
  return 1'700'000'000;
}

template <typename PixelAt>
bool Write565(int32_t width, int32_t height, PixelAt pixelAt, const std::string& file) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const platform::Rgb c = platform::Expand565(pixelAt(x, y));
      uint8_t* out = rgb.data() + (static_cast<size_t>(y) * width + x) * 3;
      out[0] = c.r;
      out[1] = c.g;
      out[2] = c.b;
    }
  std::string error;
  if (!WritePng(file, width, height, rgb, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  return true;
}

// The hidden cells of the board in play as the points a click takes, so that
// a test can solve the same board in the real game.
bool WriteHidden(const game::GameState& state, const ScriptStep& step) {
  if (!game::ValidSizeIndex(state.SizeIndex)) return false;
  const game::BoardSize& size = game::SizeTable[state.SizeIndex];
  std::ofstream out(step.file);
  for (int32_t r = size.BoardFirst; r < size.BoardEnd; ++r)
    for (int32_t c = size.BoardFirst; c < size.BoardEnd; ++c)
      if (state.Board[c][r].Hidden != 0) out << 130 + 20 * c + 10 << ' ' << 50 + 20 * r + 10 << '\n';
  if (!out) std::fprintf(stderr, "line %d: %s cannot be written\n", step.line, step.file.c_str());
  return static_cast<bool>(out);
}

bool WriteFrame(const platform::headless::ShownFrame& frame, const ScriptStep& step) {
  if (frame.count == 0) {
    std::fprintf(stderr, "line %d: that window has shown no frame yet\n", step.line);
    return false;
  }
  return Write565(frame.size.width, frame.size.height, [&frame](int32_t x, int32_t y) { return frame.Pixel(x, y); },
                  step.file);
}

// The box drawn as the game draws it on a screen of the given size.
bool WriteBox(const std::string& cp932Text, platform::Size screen, const ScriptStep& step) {
  const auto font = platform::ErrorBoxFont();
  const platform::ErrorBox box = platform::MakeErrorBox(cp932Text, *font, platform::ErrorIcon(), screen);
  platform::Surface surface(box.client.width, box.client.height, platform::PixelFormat::Rgb565());
  box.Draw(surface);
  return Write565(box.client.width, box.client.height,
                  [&surface](int32_t x, int32_t y) { return surface.Pixel(x, y); }, step.file);
}

}  // namespace

// Plays a script into the real game on the headless backend, from the game
// folder given (its IMAGE/, WAVE/, locale/ and DATA/), in the language the
// environment names, and writes the frames it asks
// for as PNG files.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s GAME-FOLDER SCRIPT\n", argv[0]);
    return 2;
  }
  std::ifstream file(argv[2]);
  if (!file) {
    std::fprintf(stderr, "%s: cannot be read\n", argv[2]);
    return 1;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::vector<ScriptStep> steps;
  try {
    steps = ParseScript(text.str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[2], e.what());
    return 1;
  }

  // The game's language as the real game would choose it in that folder.
  const std::string exe = std::string(argv[1]) + "/lumora";
  platform::UseLanguage(platform::ChooseLanguage(platform::ProcessEnvironment), platform::LocaleFolderOf(exe));
  platform::headless::HeadlessBackend backend(SeedOf(steps));
  shell::Program program(backend.services, exe);
  program.Start();
  auto pump = [&] {
    while (!backend.events.Empty() && program.Step()) {
    }
  };
  auto send = [&](platform::EventType type, platform::WindowId window, const ScriptStep& step) {
    const auto button = step.right ? platform::MouseButton::Right : platform::MouseButton::Left;
    backend.events.Push({type, window, button, static_cast<int32_t>(step.a), static_cast<int32_t>(step.b), 0, 0});
  };
  const platform::WindowId game = program.Game().Id();
  for (const auto& step : steps) {
    switch (step.kind) {
      case ScriptStep::Kind::Seed:
        break;
      case ScriptStep::Kind::Start:
      case ScriptStep::Kind::Return: {
        ScriptStep at;
        at.a = step.kind == ScriptStep::Kind::Start ? 100 : 70;
        at.b = step.kind == ScriptStep::Kind::Start ? 255 : 170;
        send(platform::EventType::MouseDown, program.Satellite().Id(), at);
        send(platform::EventType::MouseUp, program.Satellite().Id(), at);
        break;
      }
      case ScriptStep::Kind::Frames:
        for (int64_t i = 0; i < step.a && program.Step(); ++i) {
        }
        break;
      case ScriptStep::Kind::Press:
        send(platform::EventType::MouseDown, game, step);
        break;
      case ScriptStep::Kind::Release:
        send(platform::EventType::MouseUp, game, step);
        break;
      case ScriptStep::Kind::Click:
        send(platform::EventType::MouseDown, game, step);
        send(platform::EventType::MouseUp, game, step);
        break;
      case ScriptStep::Kind::Move:
        send(platform::EventType::MouseMove, game, step);
        break;
      case ScriptStep::Kind::Key:
        backend.events.Push(
            {platform::EventType::KeyDown, game, platform::MouseButton::Left, 0, 0, static_cast<uint16_t>(step.a), 0});
        break;
      case ScriptStep::Kind::Shot:
      case ScriptStep::Kind::DialogShot: {
        pump();
        const platform::WindowId window =
            step.kind == ScriptStep::Kind::Shot ? game : program.Satellite().Id();
        if (!WriteFrame(backend.video.FrameOf(window), step)) return 1;
        break;
      }
      case ScriptStep::Kind::Hidden:
        pump();
        if (!WriteHidden(program.Game().State, step)) return 1;
        break;
      case ScriptStep::Kind::BoxShot: {
        pump();
        if (step.text.empty() && backend.boxes.Shown().empty()) {
          std::fprintf(stderr, "line %d: no error box has been raised yet\n", step.line);
          return 1;
        }
        const std::string message =
            step.text.empty() ? backend.boxes.Shown().back().text : platform::Utf8ToCp932(step.text);
        if (!WriteBox(message, backend.windows.ScreenSize(), step)) return 1;
        break;
      }
    }
    pump();
  }
  for (const auto& box : backend.boxes.Shown())
    std::fprintf(stderr, "%s: %s\n", platform::Cp932ToUtf8(box.caption).c_str(), platform::Cp932ToUtf8(box.text).c_str());
  return 0;
}
