#include "platform/headless/headless_backend.h"
#include "shell/program.h"

// Runs on the headless backend until the real window arrives with the display
// engine.
int main() {
  platform::headless::HeadlessBackend backend;
  shell::Program program(backend.services);
  return program.Run();
}
