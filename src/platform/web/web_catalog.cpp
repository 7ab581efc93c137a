#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

// The page's C library maps a catalog with mmap, which this Emscripten's
// file system hands back unusable; the page reads the catalog whole instead.
// The link sends gettext's three calls here (-Wl,--wrap=...).
namespace {

struct Catalog {
  std::string folder;
  bool read = false;
  std::unordered_map<std::string, std::string> texts;
};

Catalog& TheCatalog() {
  static Catalog catalog;
  return catalog;
}

uint32_t U32(const std::vector<char>& bytes, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

// A .mo file as msgfmt writes it on this machine: little-endian, the
// originals' and the translations' tables of lengths and offsets. Anything
// that does not fit leaves the texts untranslated.
void Read(Catalog& catalog, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 20 || U32(bytes, 0) != 0x950412de) return;
  const uint64_t count = U32(bytes, 8), originals = U32(bytes, 12), translations = U32(bytes, 16);
  if (originals + count * 8 > bytes.size() || translations + count * 8 > bytes.size()) return;
  auto text = [&bytes](uint64_t table, uint64_t i, std::string& out) {
    const uint64_t length = U32(bytes, table + i * 8), at = U32(bytes, table + i * 8 + 4);
    if (at + length >= bytes.size()) return false;
    out.assign(bytes.data() + at, length);
    return true;
  };
  for (uint64_t i = 0; i < count; ++i) {
    std::string original, translation;
    if (text(originals, i, original) && text(translations, i, translation))
      catalog.texts.emplace(std::move(original), std::move(translation));
  }
}

}  // namespace

extern "C" char* __wrap_bindtextdomain(const char*, const char* folder) {
  Catalog& catalog = TheCatalog();
  catalog = Catalog{folder, false, {}};
  return const_cast<char*>(folder);
}

extern "C" char* __wrap_bind_textdomain_codeset(const char*, const char* codeset) { return const_cast<char*>(codeset); }

// The catalog of the first language LANGUAGE names, as the game sets it.
extern "C" char* __wrap_dgettext(const char* domain, const char* text) {
  Catalog& catalog = TheCatalog();
  if (!catalog.read) {
    catalog.read = true;
    const char* languages = std::getenv("LANGUAGE");
    const std::string list = languages != nullptr ? languages : "";
    const std::string language = list.substr(0, list.find(':'));
    if (!language.empty() && !catalog.folder.empty())
      Read(catalog, catalog.folder + "/" + language + "/LC_MESSAGES/" + domain + ".mo");
  }
  const auto found = catalog.texts.find(text);
  return found == catalog.texts.end() ? const_cast<char*>(text) : found->second.data();
}
