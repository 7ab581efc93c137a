#pragma once

#include <string>
#include <vector>

namespace shell {

// What the arguments after the program's name ask for. No argument starts the
// game; --version and --help answer a line on stdout; anything else is a
// usage error on stderr with exit code 2.
struct CommandLineAnswer {
  bool startGame = true;
  int exitCode = 0;
  std::string out;
  std::string err;
};

CommandLineAnswer ReadCommandLine(const std::vector<std::string>& args);

}  // namespace shell
