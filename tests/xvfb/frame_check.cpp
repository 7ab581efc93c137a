// Shows a known frame through the SDL backend on an X server, then reads the
// screen back with ImageMagick's `import` and compares it pixel for pixel,
// windowed and full screen. Pointer presses made with xdotool check that full
// screen positions come back in the frame's pixels. Run by run_frame_check.sh
// under xvfb-run; exits 0 when all holds, 1 otherwise.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/draw/surface.h"
#include "platform/events.h"
#include "platform/present/rgb565.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using platform::Point;
using platform::Rect;
using platform::Rgb;
using platform::Size;
using platform::Surface;
using platform::sdl::SdlBackend;

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr Point kWindowAt{100, 60};

// Gradients over every channel's full range above, solid blocks of the
// primaries and their mixes below.
uint16_t TestPixel(int32_t x, int32_t y) {
  if (y < 320) {
    const auto r = static_cast<uint16_t>(x * 32 / kWidth);
    const auto g = static_cast<uint16_t>(y * 64 / 320);
    const auto b = static_cast<uint16_t>((x + y) & 31);
    return static_cast<uint16_t>((r << 11) | (g << 5) | b);
  }
  static constexpr uint16_t kBlocks[8] = {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0xFFE0, 0x07FF, 0xF81F};
  return kBlocks[x / 80];
}

struct Screenshot {
  Size size;
  std::vector<uint8_t> rgb;
  Rgb At(int32_t x, int32_t y) const {
    const size_t i = (static_cast<size_t>(y) * size.width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

bool TakeScreenshot(Size size, Screenshot& shot) {
  shot.size = size;
  shot.rgb.assign(static_cast<size_t>(size.width) * size.height * 3, 0);
  FILE* pipe = popen("import -window root -depth 8 rgb:-", "r");
  if (pipe == nullptr) return false;
  const size_t got = fread(shot.rgb.data(), 1, shot.rgb.size(), pipe);
  const int status = pclose(pipe);
  return got == shot.rgb.size() && status == 0;
}

// Lets the X server and SDL catch up: events are taken and dropped.
void Pump(SdlBackend& backend, int milliseconds) {
  platform::Event event;
  for (int waited = 0; waited < milliseconds; waited += 10) {
    while (backend.events.Poll(event)) {
    }
    backend.clock.Sleep(10);
  }
}

// Counts screen pixels that differ from what `expected` says they should be,
// printing the first few.
template <typename Expected>
int Mismatches(const Screenshot& shot, const Rect& area, Expected expected, const char* what) {
  int bad = 0;
  for (int32_t y = area.top; y < area.bottom; ++y) {
    for (int32_t x = area.left; x < area.right; ++x) {
      const Rgb want = expected(x, y);
      const Rgb got = shot.At(x, y);
      if (got == want) continue;
      if (++bad <= 5) {
        std::fprintf(stderr, "%s: screen (%d,%d) is %02x%02x%02x, expected %02x%02x%02x\n", what, x, y, got.r, got.g,
                     got.b, want.r, want.g, want.b);
      }
    }
  }
  return bad;
}

// Shows the frame and compares the screen until it matches or the server
// has had two seconds to put it there.
template <typename Check>
bool ShowAndCheck(SdlBackend& backend, platform::WindowId id, const Surface& frame, Check check, const char* what) {
  const Size screen = backend.windows.ScreenSize();
  int bad = -1;
  for (int attempt = 0; attempt < 20 && bad != 0; ++attempt) {
    if (backend.video.ShowFrame(id, frame, frame.Bounds(), {kWindowAt.x, kWindowAt.y, kWidth, kHeight}) !=
        platform::DrawResult::Ok) {
      std::fprintf(stderr, "%s: ShowFrame failed\n", what);
      return false;
    }
    Pump(backend, 100);
    Screenshot shot;
    if (!TakeScreenshot(screen, shot)) {
      std::fprintf(stderr, "%s: the screenshot failed\n", what);
      return false;
    }
    bad = check(shot);
  }
  if (bad != 0) std::fprintf(stderr, "%s: %d pixels differ\n", what, bad);
  else std::printf("%s: ok\n", what);
  return bad == 0;
}

// Presses the left button at a screen position and returns the press the
// backend reports.
bool PressAt(SdlBackend& backend, Point screen, platform::Event& press) {
  const std::string command =
      "xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click 1";
  if (std::system(command.c_str()) != 0) return false;
  for (int waited = 0; waited < 2000; waited += 10) {
    while (backend.events.Poll(press)) {
      if (press.type == platform::EventType::MouseDown) return true;
    }
    backend.clock.Sleep(10);
  }
  return false;
}

bool CheckPress(SdlBackend& backend, platform::WindowId id, Point screen, Point client, const char* what) {
  platform::Event press;
  if (!PressAt(backend, screen, press)) {
    std::fprintf(stderr, "%s: no press arrived\n", what);
    return false;
  }
  const Point origin = backend.windows.Position(id);
  const Point cursor = backend.windows.CursorPos();
  const Point cursorClient{cursor.x - origin.x, cursor.y - origin.y};
  const bool ok = press.window == id && press.button == platform::MouseButton::Left && press.x == client.x &&
                  press.y == client.y && cursorClient == client;
  if (!ok) {
    std::fprintf(stderr, "%s: press at screen (%d,%d) came as (%d,%d), the pointer as (%d,%d); expected (%d,%d)\n",
                 what, screen.x, screen.y, press.x, press.y, cursorClient.x, cursorClient.y, client.x, client.y);
  } else {
    std::printf("%s: ok\n", what);
  }
  return ok;
}

// Moves the window from outside, as a window manager does, under a pointer
// that stays still: the pointer's place in the window follows at once.
bool CheckPointerAfterMove(SdlBackend& backend, platform::WindowId id, Point to) {
  const std::string command =
      "xdotool search --name '^frame check$' windowmove " + std::to_string(to.x) + " " + std::to_string(to.y);
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "pointer after a move: xdotool failed\n");
    return false;
  }
  Point origin{};
  for (int waited = 0; waited < 2000 && origin != to; waited += 10) {
    Pump(backend, 10);
    origin = backend.windows.Position(id);
  }
  const Point cursor = backend.windows.CursorPos();
  const Point expected{kWindowAt.x + 10 - to.x, kWindowAt.y + 20 - to.y};
  const Point client{cursor.x - origin.x, cursor.y - origin.y};
  if (origin != to || client != expected) {
    std::fprintf(stderr, "pointer after a move: window at (%d,%d), pointer in it at (%d,%d); expected (%d,%d)\n",
                 origin.x, origin.y, client.x, client.y, expected.x, expected.y);
    return false;
  }
  std::printf("pointer after a move: ok\n");
  return true;
}

// SDL's software renderer, asked for by name, draws without the OpenGL
// library: loaded, Mesa would be unloaded at exit with blocks still held.
bool CheckNoOpenGlForSoftware() {
  const char* asked = std::getenv("SDL_RENDER_DRIVER");
  if (asked == nullptr || std::string(asked) != "software") return true;
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("/libGL") != std::string::npos || line.find("_dri.so") != std::string::npos) {
      std::fprintf(stderr, "software renderer: OpenGL loaded: %s\n", line.c_str());
      return false;
    }
  }
  std::printf("software renderer: no OpenGL loaded: ok\n");
  return true;
}

}  // namespace

int main() {
  try {
    SdlBackend backend;
    Surface frame(kWidth, kHeight, platform::PixelFormat::Rgb565());
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) frame.SetPixel(x, y, TestPixel(x, y));
    }
    const auto expect = [](int32_t x, int32_t y) { return platform::Expand565(TestPixel(x, y)); };

    const platform::WindowId id =
        backend.windows.Create({"frame check", kWindowAt.x, kWindowAt.y, kWidth, kHeight, true});
    backend.windows.Show(id);
    Pump(backend, 300);
    bool ok = true;

    const Rect window{kWindowAt.x, kWindowAt.y, kWindowAt.x + kWidth, kWindowAt.y + kHeight};
    const auto windowed = [&](const Screenshot& shot) {
      return Mismatches(
          shot, window, [&](int32_t x, int32_t y) { return expect(x - kWindowAt.x, y - kWindowAt.y); }, "windowed");
    };
    ok &= ShowAndCheck(backend, id, frame, windowed, "windowed frame");
    std::printf("drawn by: %s\n", backend.video.DrawnBy(id).c_str());
    ok &= CheckPress(backend, id, {kWindowAt.x + 10, kWindowAt.y + 20}, {10, 20}, "windowed press");
    ok &= CheckPointerAfterMove(backend, id, {kWindowAt.x - 30, kWindowAt.y - 40});
    ok &= CheckPress(backend, id, {kWindowAt.x + 10, kWindowAt.y + 20}, {40, 60}, "press after the move");
    ok &= CheckPointerAfterMove(backend, id, kWindowAt);

    backend.video.SetFullScreen(id, true);
    Pump(backend, 300);
    const Size screen = backend.windows.ScreenSize();
    const platform::FullScreenFit fit = platform::FitWholeScale({kWidth, kHeight}, screen);
    const auto full = [&](const Screenshot& shot) {
      const Rect whole{0, 0, screen.width, screen.height};
      return Mismatches(
          shot, whole,
          [&](int32_t x, int32_t y) {
            const Point p = platform::ScreenToPicture(fit, {x, y});
            if (p.x < 0 || p.y < 0 || p.x >= kWidth || p.y >= kHeight) return Rgb{};
            return expect(p.x, p.y);
          },
          "full screen");
    };
    std::printf("full screen: scale %d, picture at (%d,%d)\n", fit.scale, fit.placed.left, fit.placed.top);
    ok &= ShowAndCheck(backend, id, frame, full, "full-screen frame");
    ok &= CheckPress(backend, id, {fit.placed.left + 2 * 320 + 1, fit.placed.top + 2 * 250 + 1}, {320, 250},
                     "full-screen press");
    ok &= CheckPress(backend, id, {fit.placed.left + 5, fit.placed.top - 3}, {2, -2}, "press on the border");

    backend.video.SetFullScreen(id, false);
    Pump(backend, 300);
    ok &= ShowAndCheck(backend, id, frame, windowed, "windowed again");
    ok &= CheckNoOpenGlForSoftware();
    return ok ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "frame check: %s\n", error.what());
    return 1;
  }
}
