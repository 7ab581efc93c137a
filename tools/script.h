#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A short script of timed input for the headless game, one step a line:
//   seed N          the clock's start, which the game takes as its seed
//   start           the dialog's start button
//   return          the focus-lost panel's button back to the game
//   frames N        N idle turns
//   press X Y [right], release X Y [right], click X Y [right], move X Y
//   key CODE        a key by its virtual-key code (27 is Escape)
//   shot FILE.png   the game's last frame, written as a PNG
//   dialogshot FILE.png  the dialog's last frame
//   hidden FILE     the hidden cells of the board in play, one "X Y" line
//                   each, the client point a click on the cell takes
//   boxshot FILE.png [TEXT]  the error box's client area, as the game draws
//                   it, for TEXT (UTF-8, the rest of the line) or, without
//                   one, for the last box the game raised
// Blank lines and lines from '#' on are left out.
struct ScriptStep {
  enum class Kind { Seed, Start, Return, Frames, Press, Release, Click, Move, Key, Shot, DialogShot, Hidden, BoxShot };
  Kind kind = Kind::Start;
  int64_t a = 0;
  int64_t b = 0;
  bool right = false;
  std::string file;
  std::string text;
  int line = 0;
};

// The steps of a script; a line that is not a step raises std::runtime_error
// naming the line.
std::vector<ScriptStep> ParseScript(const std::string& text);
