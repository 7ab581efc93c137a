#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/headless/headless_backend.h"
#include "platform/sdl/rgb565.h"
#include "platform/text_codec.h"
#include "png_file.h"
#include "script.h"
#include "shell/program.h"
#include "shell/satellite.h"
#include "game/varnix.h"

namespace {

int64_t SeedOf(const std::vector<ScriptStep>& steps) {
  for (const auto& step : steps)
    if (step.kind == ScriptStep::Kind::Seed) return step.a;
  return 1'700'000'000;
}

}  // namespace

// Plays a script into the real game on the headless backend, from the game
// folder given (its IMAGE/, WAVE/ and DATA/), and writes the frames it asks
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

  platform::headless::HeadlessBackend backend(SeedOf(steps));
  shell::Program program(backend.services, std::string(argv[1]) + "/lumora");
  program.Start();
  backend.video.WatchWindow(program.Game().Id());
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
      case ScriptStep::Kind::Start: {
        ScriptStep at;
        at.a = 100;
        at.b = 255;
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
      case ScriptStep::Kind::Shot: {
        pump();
        if (backend.video.FramesShown() == 0) {
          std::fprintf(stderr, "line %d: no frame has been shown yet\n", step.line);
          return 1;
        }
        const platform::Size size = backend.video.LastFrameSize();
        std::vector<uint8_t> rgb(static_cast<size_t>(size.width) * size.height * 3);
        for (int32_t y = 0; y < size.height; ++y)
          for (int32_t x = 0; x < size.width; ++x) {
            const platform::Rgb c = platform::sdl::Expand565(backend.video.FramePixel(x, y));
            uint8_t* out = rgb.data() + (static_cast<size_t>(y) * size.width + x) * 3;
            out[0] = c.r;
            out[1] = c.g;
            out[2] = c.b;
          }
        std::string error;
        if (!WritePng(step.file, size.width, size.height, rgb, error)) {
          std::fprintf(stderr, "%s\n", error.c_str());
          return 1;
        }
        break;
      }
    }
    pump();
  }
  for (const auto& box : backend.boxes.Shown())
    std::fprintf(stderr, "%s: %s\n", platform::Cp932ToUtf8(box.caption).c_str(), platform::Cp932ToUtf8(box.text).c_str());
  return 0;
}
