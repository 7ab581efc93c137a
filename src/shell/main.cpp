#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "shell/command_line.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  const shell::CommandLineAnswer answer = shell::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!answer.startGame) {
    std::fputs(answer.out.c_str(), stdout);
    std::fputs(answer.err.c_str(), stderr);
    return answer.exitCode;
  }
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
