#include "platform/error_box/modal_box.h"

#include "platform/draw/surface.h"
#include "platform/error_box/error_icon.h"
#include "platform/language/lettering.h"
#include "platform/text_codec.h"

namespace platform {

namespace {

Rect OwnerClientArea(WindowService& windows, WindowId owner) {
  const Size screen = windows.ScreenSize();
  if (owner == kNoWindow) return {0, 0, screen.width, screen.height};
  const Point pos = windows.Position(owner);
  const Point frame = windows.ClientOffset(owner);
  const Size size = windows.ClientSize(owner);
  return {pos.x + frame.x, pos.y + frame.y, pos.x + frame.x + size.width, pos.y + frame.y + size.height};
}

void Present(WindowService& windows, VideoService& video, WindowId id, const ErrorBox& box, Surface& surface) {
  box.Draw(surface);
  const Point pos = windows.Position(id);
  const Point frame = windows.ClientOffset(id);
  const Rect screen{pos.x + frame.x, pos.y + frame.y, pos.x + frame.x + box.client.width,
                    pos.y + frame.y + box.client.height};
  video.ShowFrame(id, surface, surface.Bounds(), screen);
}

}  // namespace

std::unique_ptr<Font> ErrorBoxFont(int32_t scale) {
  LogFont font;
  font.lfHeight = 12 * scale;
  font.lfWidth = ProportionalHalfWidth(font.lfHeight);
  font.lfWeight = 400;
  font.lfCharSet = 128;
  font.lfPitchAndFamily = 2;
  font.lfFaceName = Utf8ToCp932("ＭＳ Ｐゴシック");
  return Font::Create(font);
}

const Picture& ErrorIcon() {
  static const Picture icon = DecodeBitmap(ErrorIconBitmap());
  return icon;
}

BoxRun RunErrorBox(WindowService& windows, EventService& events, VideoService& video, WindowId owner,
                   const std::string& caption, ErrorBox& box) {
  BoxRun run;
  run.window = windows.Create({caption, 0, 0, box.client.width, box.client.height, false});
  // The window system keeps it there once the window manager tells its frame.
  windows.CentreOver(run.window, OwnerClientArea(windows, owner));
  windows.Show(run.window);
  windows.Focus(run.window);

  Surface surface(box.client.width, box.client.height, video.DisplayFormat());
  Present(windows, video, run.window, box, surface);
  // Another copy's save is news for the game once the box is down.
  bool stateSaved = false;
  for (;;) {
    Event event;
    if (!events.Poll(event)) {
      if (events.Wait()) continue;
      run.end = BoxEnd::NoMoreInput;
      break;
    }
    if (event.type == EventType::Quit) {
      // The main loop ends the program once the box is down.
      events.PutBack(event);
      run.end = BoxEnd::Quit;
      break;
    }
    if (event.type == EventType::StateSaved) stateSaved = true;
    if (event.window != run.window) continue;
    const BoxInput input = HandleBoxEvent(box, event);
    if (input == BoxInput::Close) break;
    if (input == BoxInput::Redraw) Present(windows, video, run.window, box, surface);
  }
  windows.Destroy(run.window);
  if (stateSaved) events.PutBack({EventType::StateSaved});
  // The activation goes back to the window the box stood over.
  if (owner != kNoWindow) windows.Focus(owner);
  return run;
}

}  // namespace platform
