#pragma once

#include <gtest/gtest.h>

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
  Player() : program(backend.services, folder.Exe()) { program.Start(); }

  game::TVarnix& Game() { return program.Game(); }
  game::GameState& State() { return program.Game().State; }
  shell::TSatellite& Dialog() { return program.Satellite(); }

  // Presses and releases the dialog's start button.
  void StartGame() {
    ClickOn(Dialog().Id(), 100, 255);
    Pump();
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

  // Puts the pointer over client position (x, y), where the next frame reads
  // it; no event is sent.
  void PointAt(int32_t x, int32_t y) {
    const platform::Point pos = backend.windows.Position(Game().Id());
    const platform::Point frame = backend.windows.ClientOffset(Game().Id());
    backend.windows.SetCursor({x + pos.x + frame.x, y + pos.y + frame.y});
  }

  bool Ended() { return program.App().Terminated(); }

  GameFolder folder;
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
