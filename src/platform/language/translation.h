#pragma once

#include <string>

#include "platform/language/language_choice.h"

// Marks a text for the catalog where it is kept and translated later.
#define N_(text) text

namespace platform {

// Speaks `language` from now on, its catalog read from `localeFolder`
// (LANG/LC_MESSAGES/lumora.mo below it). English is the texts themselves.
void UseLanguage(Language language, const std::string& localeFolder);
Language CurrentLanguage();

// The text in the current language, as UTF-8 (the terminal's) or as the
// game's CP932; the CP932 copy is kept, so a frame asks for it again freely.
// `context` tells apart two places that share their English.
std::string TrUtf8(const char* text);
const std::string& Tr(const char* text);
const std::string& TrIn(const char* context, const char* text);

// Puts `first` in place of %1$s (or %s) and `second` in place of %2$s in a
// translated template, so that a language may put them in its own order.
std::string Format(const std::string& pattern, const std::string& first, const std::string& second = {});

// The catalogs' folder for the executable at `exePath`: locale/ beside it in
// a build or a portable copy, else share/locale beside share/lumora.
std::string LocaleFolderOf(const std::string& exePath);

}  // namespace platform
