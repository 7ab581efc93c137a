#pragma once

#include <string>

namespace platform {

// The translated texts of one language, from the game's locale folder
// (LANGUAGE/LC_MESSAGES/lumora.mo): gettext's where the C library has it
// (posix/), the game's own reader where there is no libintl (mo_reader/).
void OpenCatalog(const std::string& localeFolder, const std::string& language);
// The translation of `key` (a context, byte 4 and the text, or the text
// alone), or null where the catalog has none.
const char* FindInCatalog(const char* key);

}  // namespace platform
