#include <array>
#include <optional>

#include "game/varnix.h"

namespace game {

namespace {

// The tiles of one board row, gathered while they stand side by side and
// drawn in one call: a cell that gets no tile ends a run.
class TileRun {
 public:
  TileRun(TVarnix& form, int32_t row) : form_(form), y_(50 + 20 * row) {}
  ~TileRun() { Flush(); }

  void Add(int32_t column, std::optional<platform::Point> tile) {
    if (!tile || (count_ > 0 && column != first_ + static_cast<int32_t>(count_)) || count_ == tiles_.size()) Flush();
    if (!tile) return;
    if (count_ == 0) first_ = column;
    tiles_[count_++] = *tile;
  }

 private:
  void Flush() {
    if (count_ > 0)
      form_.BltTileRow(130 + 20 * first_, y_, form_.SpriteSheet(), std::span(tiles_.data(), count_), {20, 20});
    count_ = 0;
  }

  TVarnix& form_;
  int32_t y_;
  int32_t first_ = 0;
  size_t count_ = 0;
  std::array<platform::Point, 25> tiles_{};
};

// The tile a cell shows in play: lit, or its count of lit neighbours with the
// matched counts in the second column; none for any other count.
std::optional<platform::Point> PlayTile(const TCell& cell) {
  if (cell.On != 0) return platform::Point{20, 0};
  const int32_t n = cell.LitNeighbours;
  if (n == 0) return platform::Point{0, 0};
  if (n >= 1 && n <= 4) return platform::Point{cell.Match != 0 ? 20 : 0, 20 * n};
  return std::nullopt;
}

// On the result screen the solution shows: a lit cell is marked right or
// wrong, a hidden cell left unlit is marked missed, and an unlit plain cell
// keeps its count.
std::optional<platform::Point> SolutionTile(const TCell& cell) {
  if (cell.On != 0 && cell.Hidden == 0) return platform::Point{40, 0};
  if (cell.On != 0) return platform::Point{60, 0};
  if (cell.Hidden != 0) return platform::Point{80, 0};
  return PlayTile(cell);
}

}  // namespace

void TVarnix::DrawCells() {
  const bool result = State.Playing == 0 && State.ShowingResult != 0;
  // Tiles do not overlap, so drawing them a row at a time changes no pixel.
  for (int32_t r = State.BoardFirst; r < State.BoardEnd; ++r) {
    TileRun run(*this, r);
    for (int32_t c = State.BoardFirst; c < State.BoardEnd; ++c) {
      const TCell& cell = State.Board[c][r];
      run.Add(c, result ? SolutionTile(cell) : PlayTile(cell));
    }
  }
}

}  // namespace game
