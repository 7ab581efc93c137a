#include <string>
#include <vector>

#include "platform/language/translation.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_state_storage.h"
#include "shell/command_line.h"
#include "shell/program.h"

// The browser edition's entry; the page passes `--lang` from the browser's
// languages. A page cannot close itself: when the game quits, having saved,
// the start dialog comes back as at a fresh start.
int main(int argc, char** argv) {
  const shell::CommandLine line = shell::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  platform::UseLanguage(platform::ChooseLanguage(platform::ProcessEnvironment, line.language),
                        platform::LocaleFolderOf("/lumora"));
  static platform::web::WebBackend backend;
  platform::web::KeepStateInStorage("/DATA/");
  for (;;) {
    shell::Program program(backend.services, "/lumora");
    program.Run();
  }
}
