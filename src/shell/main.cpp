#include <cstdio>
#include <memory>

#include "platform/sdl/sdl_backend.h"
#include "shell/program.h"

int main() {
  std::unique_ptr<platform::sdl::SdlBackend> backend;
  try {
    backend = std::make_unique<platform::sdl::SdlBackend>();
  } catch (const platform::sdl::SdlStartError& error) {
    std::fprintf(stderr, "lumora: cannot open the display: %s\n", error.what());
    return 1;
  }
  shell::Program program(backend->services);
  return program.Run();
}
