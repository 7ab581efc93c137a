#include "game/varnix.h"

namespace game {

// The revealed board, the banner, the bonus and the total, and the high-score
// update; built with the screens.
void TVarnix::DrawResultScreen() {}

}  // namespace game
