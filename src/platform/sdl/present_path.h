#pragma once

#include <optional>
#include <string>

namespace platform::sdl {

// How a 16-bit frame reaches a window.
//  - WindowSurface: converted by a table into the window's own surface, and
//    only the changed rectangle handed to the window system (shared memory
//    on X11). Nothing but the game's own loops touches the pixels.
//  - RendererTable: converted by the table into an SDL renderer's streaming
//    texture in its own 32-bit layout; the renderer draws the whole window.
//  - Renderer565: the same with a 565 texture that SDL converts.
enum class PresentPath { WindowSurface, RendererTable, Renderer565 };

// A renderer made for a window: SDL's name for it ("opengl", "software", ...)
// and, for OpenGL, the driver's GL_RENDERER.
struct RendererFacts {
  std::string name;
  std::string glRenderer;
};

// What is known of the machine's drawing when a path is chosen.
struct DisplayFacts {
  bool x11 = false;              // SDL shows windows through an X server
  bool directRendering = false;  // that server offers DRI2 or DRI3, so a GPU may drive OpenGL
  bool rendererAsked = false;    // SDL_RENDER_DRIVER names a renderer
  std::optional<RendererFacts> renderer;
};

// OpenGL drawn by the CPU: Mesa's llvmpipe, softpipe or swrast, and the like.
bool DrawsInSoftware(const RendererFacts& renderer);

// The cheapest path, as measured by bench/present_bench.cpp: a GPU-driven
// renderer where there is one, else the window surface, which costs a
// fraction of software OpenGL and none of its memory. Null when only a
// renderer made and asked can tell.
std::optional<PresentPath> ChoosePath(const DisplayFacts& facts);

}  // namespace platform::sdl
