#include "platform/language/language_choice.h"

#include <cstdlib>
#include <sstream>

namespace platform {

namespace {

// "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.eucJP@x" all name Japanese.
std::string LanguageCode(const std::string& locale) { return locale.substr(0, locale.find_first_of("_.@")); }

}  // namespace

std::string ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::optional<Language> LanguageNamed(const std::string& word) {
  if (word == "ja") return Language::Japanese;
  if (word == "en") return Language::English;
  return std::nullopt;
}

Language ChooseLanguage(const EnvironmentReader& environment, std::optional<Language> chosen,
                        std::optional<Language> system) {
  if (chosen) return *chosen;
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = environment(name);
    if (!locale.empty()) break;
  }
  if (locale.empty() && system) return *system;
  // gettext leaves LANGUAGE aside under the C locale, and so does the game.
  if (locale.empty() || locale == "C" || locale == "POSIX") return Language::English;
  const std::string list = environment("LANGUAGE");
  if (!list.empty()) {
    // The first entry the game has words for decides; gettext skips the others.
    std::istringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, ':')) {
      if (const auto language = LanguageNamed(LanguageCode(entry))) return *language;
    }
    return Language::English;
  }
  return LanguageCode(locale) == "ja" ? Language::Japanese : Language::English;
}

}  // namespace platform
