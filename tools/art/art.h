#pragma once

#include <cstdint>
#include <vector>

#include "kit.h"

namespace art {

// The three sheets, at the sizes and places the screens copy from.
Canvas BackSheet();
Canvas EffectSheet();
Canvas SpriteSheet();

// The companion dialog's start picture (350 x 200) and panel picture (96 x 46).
Canvas StartPicture();
Canvas PanelPicture();
// The error box's icon, 32 x 32, on the box's silver.
Canvas ErrorIcon();
// A picture as an 8-bit Windows bitmap with a 256-entry colour table.
std::vector<uint8_t> Bitmap8(const Canvas& picture);

// The desktop icon, size x size pixels.
Canvas Icon(int32_t size);
inline constexpr int32_t kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The page's icons for an installed app, and a maskable one of 512 pixels.
inline constexpr int32_t kAppIconSizes[] = {192, 512};
Canvas MaskableIcon(int32_t size);

// WAVE/push_on.wav: a short click, as RIFF PCM bytes.
std::vector<uint8_t> PushOnWave();

// Pieces that the backdrop and the effect sheet share, in both looks.
enum class StripIcon { Minimise, DisplayMode, Close };
void DrawStripButton(Canvas& c, int32_t x, int32_t y, int32_t w, int32_t h, StripIcon icon, bool pressed);
void DrawMenuButton(Canvas& c, int32_t x, int32_t y, bool open);

}  // namespace art
