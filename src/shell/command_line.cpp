#include "shell/command_line.h"

#include "platform/language/translation.h"

#ifndef LUMORA_VERSION
#error "the build names the version"
#endif

namespace shell {

namespace {

constexpr const char* kUsage = "usage: lumora [--help | --version] [--lang ja|en]";

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  auto fail = [&line](const std::string& odd) {
    line.action = CommandLine::Action::UsageError;
    line.odd = odd;
    return line;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lang" && !line.language) {
      if (i + 1 == args.size()) return fail(arg);
      line.language = platform::LanguageNamed(args[++i]);
      if (!line.language) return fail(args[i]);
    } else if ((arg == "--version" || arg == "--help") && line.action == CommandLine::Action::Play) {
      line.action = arg == "--version" ? CommandLine::Action::Version : CommandLine::Action::Help;
    } else {
      return fail(arg);
    }
  }
  return line;
}

CommandLineAnswer AnswerCommandLine(const CommandLine& line) {
  switch (line.action) {
    case CommandLine::Action::Play:
      return {};
    case CommandLine::Action::Version:
      return {false, 0, "lumora " LUMORA_VERSION "\n", ""};
    case CommandLine::Action::Help:
      return {false, 0, platform::Format(platform::TrUtf8("%1$s  (no option: play the Lumora logic puzzle)"), kUsage) + "\n",
              ""};
    case CommandLine::Action::UsageError:
      break;
  }
  return {false, 2, "",
          platform::Format(platform::TrUtf8("lumora: unexpected argument '%1$s'; %2$s"), line.odd, kUsage) + "\n"};
}

CommandLineAnswer ReadCommandLine(const std::vector<std::string>& args) {
  return AnswerCommandLine(ParseCommandLine(args));
}

}  // namespace shell
