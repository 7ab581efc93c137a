#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/bitmap/bitmap_file.h"
#include "platform/draw/surface.h"
#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/text/font.h"
#include "platform/widgets/button.h"
#include "platform/widgets/label.h"
#include "platform/widgets/picture.h"

namespace platform {

// The error message box as it stands in its client area: the error icon,
// the message wrapped in lines beside it, and one OK button below, which has
// the focus.
struct ErrorBox {
  Size client;
  PictureBox icon;
  std::vector<Label> lines;
  Button ok;
  // The left button went down on OK and has not come up yet.
  bool buttonHeld = false;

  void Draw(Surface& surface) const;
};

// Lays the CP932 message out for a screen of the given size: lines at most
// 480 pixels wide, and no more lines than leave the box on the screen.
// On a scaled desktop every length grows by `scale`; the font is made at the
// larger height by the caller, and the icon is enlarged.
ErrorBox MakeErrorBox(std::string_view cp932Text, Font& font, const Picture& icon, Size screen, int32_t scale = 1);

enum class BoxInput { Ignored, Redraw, Close };

// What an event of the box's own window does: Enter, Space and Escape
// pressed while it is up close the box, as does the window's close; a click on OK closes it when the
// button is released over it.
BoxInput HandleBoxEvent(ErrorBox& box, const Event& event);

}  // namespace platform
