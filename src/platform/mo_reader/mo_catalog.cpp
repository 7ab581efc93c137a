#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/language/catalog.h"
#include "platform/utf8_path.h"

namespace platform {

namespace {

struct MoCatalog {
  std::mutex mutex;
  std::unordered_map<std::string, std::string> texts;
};

MoCatalog& TheCatalog() {
  static MoCatalog catalog;
  return catalog;
}

uint32_t U32(const std::vector<char>& bytes, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

// A .mo file as msgfmt writes it: little-endian, the originals' and the
// translations' tables of lengths and offsets. Anything that does not fit
// leaves the texts untranslated.
std::unordered_map<std::string, std::string> Read(const std::string& path) {
  std::unordered_map<std::string, std::string> texts;
  std::ifstream in(Utf8Path(path), std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 20 || U32(bytes, 0) != 0x950412de) return texts;
  const uint64_t count = U32(bytes, 8), originals = U32(bytes, 12), translations = U32(bytes, 16);
  if (originals + count * 8 > bytes.size() || translations + count * 8 > bytes.size()) return texts;
  auto text = [&bytes](uint64_t table, uint64_t i, std::string& out) {
    const uint64_t length = U32(bytes, table + i * 8), at = U32(bytes, table + i * 8 + 4);
    if (at + length >= bytes.size()) return false;
    out.assign(bytes.data() + at, length);
    return true;
  };
  for (uint64_t i = 0; i < count; ++i) {
    std::string original, translation;
    if (text(originals, i, original) && text(translations, i, translation))
      texts.emplace(std::move(original), std::move(translation));
  }
  return texts;
}

}  // namespace

void OpenCatalog(const std::string& localeFolder, const std::string& language) {
  auto texts = Read(localeFolder + "/" + language + "/LC_MESSAGES/lumora.mo");
  MoCatalog& catalog = TheCatalog();
  std::lock_guard lock(catalog.mutex);
  catalog.texts = std::move(texts);
}

const char* FindInCatalog(const char* key) {
  MoCatalog& catalog = TheCatalog();
  std::lock_guard lock(catalog.mutex);
  const auto found = catalog.texts.find(key);
  return found == catalog.texts.end() ? nullptr : found->second.c_str();
}

}  // namespace platform
