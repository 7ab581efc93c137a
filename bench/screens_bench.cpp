#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "allocation_counter.h"
#include "bitmap_writer.h"
#include "game/varnix.h"
#include "platform/headless/headless_backend.h"
#include "shell/program.h"
#include "shell/satellite.h"

namespace {

// The real game on the headless backend, over sheets with black holes in the
// keyed ones so that every keyed copy does real work.
struct Game {
  std::filesystem::path folder;
  platform::headless::HeadlessBackend backend;
  std::unique_ptr<shell::Program> program;

  Game() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    std::filesystem::create_directories(folder / "IMAGE");
    auto pixel = [](int32_t x, int32_t y) -> platform::Rgb {
      if ((x / 3 + y / 3) % 4 == 0) return {0, 0, 0};
      return {static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x + y)};
    };
    WriteBitmap(folder / "IMAGE/Back.dat", 640, 480, pixel);
    WriteBitmap(folder / "IMAGE/Effect.dat", 640, 200, pixel);
    WriteBitmap(folder / "IMAGE/Sprite.dat", 100, 100, pixel);
    program = std::make_unique<shell::Program>(backend.services, (folder / "lumora").string());
    program->Start();
    Click(program->Satellite().Id(), 100, 255);
    Frames(2);
  }
  ~Game() {
    program.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  void Send(platform::EventType type, platform::WindowId window, int32_t x, int32_t y,
            platform::MouseButton button = platform::MouseButton::Left) {
    backend.events.Push({type, window, button, x, y, 0, 0});
    while (!backend.events.Empty()) program->Step();
  }
  void Click(platform::WindowId window, int32_t x, int32_t y) {
    Send(platform::EventType::MouseDown, window, x, y);
    Send(platform::EventType::MouseUp, window, x, y);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) program->Step();
  }
  platform::WindowId Window() const { return program->Game().Id(); }
  // A 20 x 20 board with every other cell lit.
  void StartLargeBoard() {
    Click(Window(), 400, 230);
    Click(Window(), 330, 320);
    Frames(1);
    for (int c = 0; c < 20; c += 2)
      for (int r = 0; r < 20; ++r) Click(Window(), 140 + 20 * c, 60 + 20 * r);
  }
};

void CountAllocations(benchmark::State& state, uint64_t before) {
  state.counters["allocs/frame"] =
      benchmark::Counter(static_cast<double>(bench::Allocations() - before), benchmark::Counter::kAvgIterations);
}

// One idle turn of the game: the frame drawn and presented. The screen's
// first frame makes the texts it keeps for good, so it is not counted.
void RunFrames(benchmark::State& state, Game& game) {
  game.Frames(1);
  const uint64_t before = bench::Allocations();
  for (auto _ : state) game.program->Step();
  CountAllocations(state, before);
}

void TitleFrame(benchmark::State& state) {
  Game game;
  RunFrames(state, game);
}

void PlayFrameHints(benchmark::State& state) {
  Game game;
  game.StartLargeBoard();
  game.Send(platform::EventType::MouseDown, game.Window(), 300, 300, platform::MouseButton::Right);
  // Hints cost points; keep the board alive for the whole run.
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    game.program->Game().State.Points = 1000;
    game.program->Game().State.ElapsedTicks = 0;
    game.program->Step();
  }
  CountAllocations(state, before);
}

void MenuFrame(benchmark::State& state) {
  Game game;
  game.StartLargeBoard();
  game.Click(game.Window(), 590, 45);
  game.Send(platform::EventType::MouseMove, game.Window(), 300, 250);
  RunFrames(state, game);
}

void ResultFrame(benchmark::State& state) {
  Game game;
  game.StartLargeBoard();
  game.Click(game.Window(), 590, 45);
  game.Click(game.Window(), 300, 250);
  RunFrames(state, game);
}

}  // namespace

BENCHMARK(TitleFrame);
BENCHMARK(PlayFrameHints);
BENCHMARK(MenuFrame);
BENCHMARK(ResultFrame);
