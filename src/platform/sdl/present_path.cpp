#include "platform/sdl/present_path.h"

#include <algorithm>
#include <cctype>

namespace platform::sdl {

bool DrawsInSoftware(const RendererFacts& renderer) {
  if (renderer.name == "software") return true;
  std::string gl = renderer.glRenderer;
  std::transform(gl.begin(), gl.end(), gl.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const char* cpu : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "basic render driver"}) {
    if (gl.find(cpu) != std::string::npos) return true;
  }
  return false;
}

std::optional<PresentPath> ChoosePath(const DisplayFacts& facts) {
  // Elsewhere SDL's window surface goes through a renderer of its own anyway.
  if (facts.rendererAsked || !facts.x11) return PresentPath::RendererTable;
  // Without direct rendering OpenGL can only run on the CPU.
  if (!facts.directRendering) return PresentPath::WindowSurface;
  if (!facts.renderer) return std::nullopt;
  return DrawsInSoftware(*facts.renderer) ? PresentPath::WindowSurface : PresentPath::RendererTable;
}

}  // namespace platform::sdl
