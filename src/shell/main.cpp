#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/language/translation.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/command_line.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  const shell::CommandLine line = shell::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  platform::UseLanguage(platform::ChooseLanguage(platform::ProcessEnvironment, line.language, platform::SystemLanguage()),
                        platform::LocaleFolderOf(platform::RunningExecutablePath()));
  const shell::CommandLineAnswer answer = shell::AnswerCommandLine(line);
  if (!answer.startGame) {
    std::fputs(answer.out.c_str(), stdout);
    std::fputs(answer.err.c_str(), stderr);
    return answer.exitCode;
  }
  std::unique_ptr<platform::sdl::SdlBackend> backend;
  try {
    backend = std::make_unique<platform::sdl::SdlBackend>();
  } catch (const platform::sdl::SdlStartError& error) {
    std::fprintf(stderr, "%s\n", platform::Format(platform::TrUtf8("lumora: cannot open the display: %s"), error.what()).c_str());
    return 1;
  }
  shell::Program program(backend->services);
  return program.Run();
}
