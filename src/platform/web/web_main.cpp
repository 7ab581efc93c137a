#include "platform/web/web_backend.h"
#include "platform/web/web_state_storage.h"
#include "shell/program.h"

// A page cannot close itself: when the game quits, having saved, the start
// dialog comes back as at a fresh start.
int main() {
  static platform::web::WebBackend backend;
  platform::web::KeepStateInStorage("/DATA/");
  for (;;) {
    shell::Program program(backend.services, "/lumora");
    program.Run();
  }
}
