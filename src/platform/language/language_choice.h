#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

enum class Language { English, Japanese };

// Reads an environment variable; an unset one reads as empty.
using EnvironmentReader = std::function<std::string(const char* name)>;
std::string ProcessEnvironment(const char* name);

// The language the player asked for, read as gettext reads it: LANGUAGE's
// list, unless the locale named by LC_ALL, LC_MESSAGES or LANG (the first
// that is set) is C or POSIX, then that locale itself. Japanese where that
// names Japanese, English for anything else; `chosen` (from --lang) wins.
// Where none of those variables is set, the system's own setting decides.
Language ChooseLanguage(const EnvironmentReader& environment, std::optional<Language> chosen = std::nullopt,
                        std::optional<Language> system = std::nullopt);

// The language the system's own settings name, where they are not in the
// environment: Windows' display languages (win32/); none on Linux (posix/).
std::optional<Language> SystemLanguage();

// "ja" or "en" as --lang spells them; nothing for any other word.
std::optional<Language> LanguageNamed(const std::string& word);

}  // namespace platform
