#include <windows.h>

#include <vector>

#include "platform/language/language_choice.h"
#include "platform/win32/win32_text.h"

namespace platform {

// The player's display languages in their order of preference, "ja-JP" and
// the like; the first the game has words for decides, as LANGUAGE's list does.
std::optional<Language> SystemLanguage() {
  ULONG count = 0, size = 0;
  if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
    std::vector<wchar_t> names(size);
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
      for (const wchar_t* name = names.data(); *name != L'\0'; name += wcslen(name) + 1) {
        const std::string code = win32::Utf8(name);
        if (const auto language = LanguageNamed(code.substr(0, code.find('-')))) return language;
      }
      return Language::English;
    }
  }
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese : Language::English;
}

}  // namespace platform
