#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/language/catalog.h"

namespace platform {

namespace {
constexpr const char* kDomain = "lumora";
}  // namespace

void OpenCatalog(const std::string& localeFolder, const std::string& language) {
  // gettext translates nothing under the C locale; on a machine without the
  // player's locale C.UTF-8 stands in, and LANGUAGE names the catalog.
  const char* locale = std::setlocale(LC_MESSAGES, "");
  if (locale == nullptr || std::string(locale) == "C" || std::string(locale) == "POSIX") {
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
  setenv("LANGUAGE", language.c_str(), 1);
  // Binding again also drops what gettext had looked up before.
  bindtextdomain(kDomain, localeFolder.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
}

const char* FindInCatalog(const char* key) {
  const char* found = dgettext(kDomain, key);
  return found == key ? nullptr : found;
}

}  // namespace platform
