#include "shell/command_line.h"

#ifndef LUMORA_VERSION
#error "the build names the version"
#endif

namespace shell {

namespace {

constexpr const char* kUsage = "usage: lumora [--help | --version]";

}  // namespace

CommandLineAnswer ReadCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return {};
  if (args.size() == 1 && args[0] == "--version") return {false, 0, "lumora " LUMORA_VERSION "\n", ""};
  if (args.size() == 1 && args[0] == "--help") {
    return {false, 0, std::string(kUsage) + "  (no option: play the Lumora logic puzzle)\n", ""};
  }
  const std::string& odd = args[0] == "--version" || args[0] == "--help" ? args[1] : args[0];
  return {false, 2, "", "lumora: unexpected argument '" + odd + "'; " + kUsage + "\n"};
}

}  // namespace shell
