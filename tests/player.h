#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/varnix.h"
#include "game_folder.h"
#include "platform/headless/headless_backend.h"
#include "shell/program.h"
#include "shell/satellite.h"

// Plays the real program on the headless backend as a player would: through
// the dialog's button, the game window's mouse and keys, and idle turns.
class Player {
 public:
  // A fresh game folder, on a screen of the given size.
  explicit Player(platform::Size screen = {1024, 768}, int32_t scale = 1) : Player(nullptr, screen, scale) {}
  // Plays over a folder that a test prepared or an earlier player left.
  explicit Player(GameFolder& shared, platform::Size screen = {1024, 768}, int32_t scale = 1)
      : Player(&shared, screen, scale) {}

  game::TVarnix& Game() { return program.Game(); }
  game::GameState& State() { return program.Game().State; }
  shell::TSatellite& Dialog() { return program.Satellite(); }

  // Presses and releases the dialog's start button.
  void StartGame() {
    ClickOn(Dialog().Id(), 100 * backend.windows.Scale(), 255 * backend.windows.Scale());
    Pump();
  }
  // Presses and releases the focus-lost panel's return button.
  void ReturnToGame() {
    ClickOn(Dialog().Id(), 70 * backend.windows.Scale(), 170 * backend.windows.Scale());
    Pump();
  }
  // Keys and the left button on the dialog.
  void DialogKey(uint16_t key, platform::ShiftState shift = 0) {
    Send({platform::EventType::KeyDown, Dialog().Id(), platform::MouseButton::Left, 0, 0, key, shift});
  }
  void DialogMouse(platform::EventType type, int32_t x, int32_t y) {
    Send({type, Dialog().Id(), platform::MouseButton::Left, x, y, 0, 0});
  }
  // The window system asks a window to close.
  void CloseWindow(platform::WindowId window) {
    Send({platform::EventType::CloseRequest, window, platform::MouseButton::Left, 0, 0, 0, 0});
  }

  void Press(int32_t x, int32_t y, platform::MouseButton button = platform::MouseButton::Left) {
    Send({platform::EventType::MouseDown, Game().Id(), button, x, y, 0, 0});
  }
  void Release(int32_t x, int32_t y, platform::MouseButton button = platform::MouseButton::Left) {
    Send({platform::EventType::MouseUp, Game().Id(), button, x, y, 0, 0});
  }
  void Move(int32_t x, int32_t y) { Send({platform::EventType::MouseMove, Game().Id(), platform::MouseButton::Left, x, y, 0, 0}); }
  void Click(int32_t x, int32_t y) {
    Press(x, y);
    Release(x, y);
  }
  void Key(uint16_t key) { Send({platform::EventType::KeyDown, Game().Id(), platform::MouseButton::Left, 0, 0, key, 0}); }
  void KeyUp(uint16_t key) { Send({platform::EventType::KeyUp, Game().Id(), platform::MouseButton::Left, 0, 0, key, 0}); }
  // A key pressed and let go between two frames.
  void Tap(uint16_t key) {
    Key(key);
    KeyUp(key);
  }

  // Runs n idle turns with no event pending: n frames while the game runs.
  void Frames(int n) {
    for (int i = 0; i < n && !program.App().Terminated(); ++i) program.Step();
  }

  // From the title screen: the start button, then the frame that makes the
  // board; the board is drawn and counted from the next frame on.
  void StartBoard(int32_t sizeIndex = -1) {
    if (sizeIndex >= 0) Click(kSizeLabelX[sizeIndex], 230);
    Click(330, 320);
    Frames(1);
  }

  // Puts the pointer over picture position (x, y), where the next frame reads
  // it; no event is sent.
  void PointAt(int32_t x, int32_t y) {
    const platform::Point pos = backend.windows.Position(Game().Id());
    const int32_t s = backend.windows.Scale();
    backend.windows.SetCursor({x * s + pos.x, y * s + pos.y});
  }

  bool Ended() { return program.App().Terminated(); }

  platform::Point GamePosition() { return backend.windows.Position(Game().Id()); }

 private:
  Player(GameFolder* shared, platform::Size screen, int32_t scale)
      : ownFolder_(shared == nullptr ? std::make_unique<GameFolder>() : nullptr),
        folder(shared == nullptr ? *ownFolder_ : *shared),
        program(backend.services, folder.Exe()) {
    backend.windows.SetScreenSize(screen);
    backend.windows.SetScale(scale);
    program.Start();
    backend.video.WatchWindow(program.Game().Id());
  }
  std::unique_ptr<GameFolder> ownFolder_;

 public:
  GameFolder& folder;
  platform::headless::HeadlessBackend backend;
  shell::Program program;

  static constexpr int32_t kSizeLabelX[4] = {240, 280, 340, 400};

 private:
  void ClickOn(platform::WindowId window, int32_t x, int32_t y) {
    backend.events.Push({platform::EventType::MouseDown, window, platform::MouseButton::Left, x, y, 0, 0});
    backend.events.Push({platform::EventType::MouseUp, window, platform::MouseButton::Left, x, y, 0, 0});
  }
  // Delivers one event now, between two frames.
  void Send(const platform::Event& event) {
    backend.events.Push(event);
    Pump();
  }
  void Pump() {
    while (!backend.events.Empty() && !program.App().Terminated()) program.Step();
  }
};
