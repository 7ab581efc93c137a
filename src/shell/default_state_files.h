#pragma once

#include <array>
#include <string_view>

namespace shell {

struct StateFileDefault {
  std::string_view name;
  std::string_view bytes;
};

// The three state files as a first run finds them: the window at top 123,
// left 226, windowed; the 6x6 size; every high score 0. The build writes the
// same into its DATA/ (tools/default_data.cmake).
inline constexpr std::array<StateFileDefault, 3> kDefaultStateFiles{{
    {"win_state.log", "123\r\n226\r\n1\r\n"},
    {"select_game.log", "0\r\n"},
    {"score.log", "0\r\n0\r\n0\r\n0\r\n"},
}};

}  // namespace shell
