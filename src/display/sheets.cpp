#include <cstdlib>
#include <filesystem>

#include "display/display.h"
#include "platform/bitmap/bitmap_file.h"
#include "platform/language/translation.h"
#include "platform/utf8_path.h"

namespace display {

namespace {

// English sheets stand in IMAGE/en/; a sheet the language lacks is the
// Japanese one.
std::string SheetPath(const Display& d, const std::string& name) {
  if (platform::CurrentLanguage() == platform::Language::English) {
    const std::string own = platform::InFolder(d.imageDir, "IMAGE/en/" + name);
    std::error_code error;
    if (std::filesystem::is_regular_file(platform::Utf8Path(own), error)) return own;
  }
  return platform::InFolder(d.imageDir, "IMAGE/" + name);
}

}  // namespace

void LoadSheet(Display& d, platform::Surface* surface, const std::string& name) {
  if (surface == nullptr) return;
  const std::string path = SheetPath(d, name);
  // The file is read once; its header gives the size copied, and a file too
  // short to hold the header is not a bitmap.
  const std::vector<uint8_t> file = platform::ReadWholeFile(path);
  const platform::Picture picture = platform::DecodeBitmap(file);
  const platform::BitmapHeader header = *platform::ReadBitmapHeader(file);
  // A bottom-up and a top-down picture are copied alike.
  const int32_t height = header.biHeight == INT32_MIN ? 0 : std::abs(header.biHeight);
  platform::DrawPicture(*surface, picture, header.biWidth, height);
}

void SetSheetKey(Display& d, platform::Surface* surface, int32_t r, int32_t g, int32_t b) {
  if (surface == nullptr) return;
  const uint32_t key = (static_cast<uint32_t>(r) << d.RedShift) + (static_cast<uint32_t>(g) << d.GreenShift) +
                       static_cast<uint32_t>(b);
  surface->SetColorKey(static_cast<uint16_t>(key));
}

}  // namespace display
