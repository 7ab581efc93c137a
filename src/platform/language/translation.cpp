#include "platform/language/translation.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <utility>

#include "platform/application.h"
#include "platform/data_folder.h"
#include "platform/language/catalog.h"
#include "platform/text_codec.h"
#include "platform/utf8_path.h"

namespace platform {

namespace {

struct Catalog {
  Language language = Language::English;
  std::map<std::pair<const char*, const char*>, std::string> cp932;
  std::mutex mutex;
};

Catalog& TheCatalog() {
  static Catalog catalog;
  return catalog;
}

std::string Lookup(Language language, const char* context, const char* text) {
  if (language == Language::English) return text;
  const std::string key = context == nullptr ? std::string(text) : std::string(context) + '\004' + text;
  const char* found = FindInCatalog(key.c_str());
  return found == nullptr ? std::string(text) : std::string(found);
}

}  // namespace

void UseLanguage(Language language, const std::string& localeFolder) {
  Catalog& catalog = TheCatalog();
  std::lock_guard lock(catalog.mutex);
  catalog.language = language;
  catalog.cp932.clear();
  if (language == Language::English) return;
  OpenCatalog(localeFolder, "ja");
}

Language CurrentLanguage() {
  Catalog& catalog = TheCatalog();
  std::lock_guard lock(catalog.mutex);
  return catalog.language;
}

std::string TrUtf8(const char* text) { return Lookup(CurrentLanguage(), nullptr, text); }

const std::string& Tr(const char* text) { return TrIn(nullptr, text); }

const std::string& TrIn(const char* context, const char* text) {
  Catalog& catalog = TheCatalog();
  std::lock_guard lock(catalog.mutex);
  const auto key = std::make_pair(context, text);
  auto found = catalog.cp932.find(key);
  if (found == catalog.cp932.end()) {
    found = catalog.cp932.emplace(key, Utf8ToCp932(Lookup(catalog.language, context, text))).first;
  }
  return found->second;
}

std::string Format(const std::string& pattern, const std::string& first, const std::string& second) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%') {
      const std::string_view rest = std::string_view(pattern).substr(i);
      if (rest.starts_with("%s") || rest.starts_with("%1$s")) {
        out += first;
        i += rest.starts_with("%s") ? 1 : 3;
        continue;
      }
      if (rest.starts_with("%2$s")) {
        out += second;
        i += 3;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string LocaleFolderOf(const std::string& exePath) {
  const std::string data = DataFolderOf(exePath);
  if (data == DirectoryOf(exePath)) return data + "locale";
  return PathUtf8((Utf8Path(data) / "../locale").lexically_normal());
}

}  // namespace platform
