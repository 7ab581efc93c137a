#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/language/language_choice.h"

namespace shell {

// What the arguments after the program's name ask for: to play, the version,
// the help, or nothing sensible; `--lang ja|en` may come with any of them.
struct CommandLine {
  enum class Action { Play, Version, Help, UsageError };
  Action action = Action::Play;
  std::optional<platform::Language> language;
  std::string odd;  // the first argument that made no sense
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The answer in the current language. Playing starts the game; --version and
// --help answer a line on stdout; anything else is a usage error on stderr
// with exit code 2.
struct CommandLineAnswer {
  bool startGame = true;
  int exitCode = 0;
  std::string out;
  std::string err;
};

CommandLineAnswer AnswerCommandLine(const CommandLine& line);
CommandLineAnswer ReadCommandLine(const std::vector<std::string>& args);

}  // namespace shell
