#include "display/display.h"
#include "platform/language/translation.h"
#include "platform/text_codec.h"

namespace display {

namespace {

const std::string& Face() {
  static const std::string face = platform::Utf8ToCp932("ＭＳ ゴシック");
  return face;
}

void PutTitle(Display& d) {
  const std::string& title = platform::TrIn("title strip", "Lumora");
  PutTextOn(d, d.BackSheet.get(), 30, 7, title, 255, 255, 255, 50, 160, 50);
}

}  // namespace

void InitDisplay(Display& d) {
  CreateDevice(d);
  CreateOffscreen(d);
  LoadSheet(d, d.BackSheet.get(), "Back.dat");
  LoadSheet(d, d.EffectSheet.get(), "Effect.dat");
  LoadSheet(d, d.SpriteSheet.get(), "Sprite.dat");
  SetSheetKey(d, d.EffectSheet.get(), 0, 0, 0);
  SetSheetKey(d, d.SpriteSheet.get(), 0, 0, 0);
  MakeFont(d, 12, 7, Face());
  PutTitle(d);
  MakeFont(d, 16, 9, Face());
}

void DrawTitle(Display& d) {
  // A reloaded backdrop gets its title back in the small font; the current
  // font stays the one the frames use.
  const platform::LogFont saved = d.FontSpec;
  platform::Font* current = d.CurrentFont;
  MakeFont(d, 12, 7, Face());
  PutTitle(d);
  d.FontSpec = saved;
  d.CurrentFont = current;
}

}  // namespace display
