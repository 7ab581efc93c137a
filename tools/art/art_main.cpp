#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "art.h"
#include "bitmap_writer.h"
#include "png_file.h"

namespace {

bool WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool WriteSheet(const std::filesystem::path& path, const art::Canvas& c) {
  WriteBitmap(path, c.Width(), c.Height(), [&c](int32_t x, int32_t y) { return c.At(x, y); });
  return std::filesystem::exists(path);
}

bool WriteIcon(const std::filesystem::path& path, const art::Canvas& c) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(c.Width()) * c.Height() * 3);
  for (int32_t y = 0; y < c.Height(); ++y)
    for (int32_t x = 0; x < c.Width(); ++x) {
      const art::Rgb p = c.At(x, y);
      rgb.insert(rgb.end(), {p.r, p.g, p.b});
    }
  std::string error;
  if (WritePng(path.string(), c.Width(), c.Height(), rgb, error)) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

void WriteArray(std::ofstream& out, const char* name, const std::vector<uint8_t>& bytes) {
  out << "const uint8_t " << name << "[" << bytes.size() << "] = {";
  for (size_t i = 0; i < bytes.size(); ++i) out << (i % 24 == 0 ? "\n    " : "") << unsigned{bytes[i]} << ",";
  out << "\n};\n\n";
}

// The dialog's pictures go into the program itself as byte arrays, in both
// languages.
struct DialogPictures {
  std::vector<uint8_t> start;
  std::vector<uint8_t> panel;
};

bool WriteDialogSource(const std::filesystem::path& path, const DialogPictures& japanese, const DialogPictures& english) {
  std::ofstream out(path);
  out << "#include \"shell/dialog_pictures.h\"\n\n#include \"platform/language/translation.h\"\n\nnamespace shell {\n\n"
      << "namespace {\n\n";
  WriteArray(out, "kStart", japanese.start);
  WriteArray(out, "kPanel", japanese.panel);
  WriteArray(out, "kStartEnglish", english.start);
  WriteArray(out, "kPanelEnglish", english.panel);
  out << "bool English() { return platform::CurrentLanguage() == platform::Language::English; }\n\n"
      << "}  // namespace\n\n"
      << "std::span<const uint8_t> StartPictureBitmap() { return English() ? kStartEnglish : kStart; }\n"
      << "std::span<const uint8_t> PanelPictureBitmap() { return English() ? kPanelEnglish : kPanel; }\n\n"
      << "}  // namespace shell\n";
  return static_cast<bool>(out);
}

// Draws the pictures with words into `images` and `dialogs` in the current
// language.
bool WritePicturesWithWords(const std::filesystem::path& images, const std::filesystem::path& dialogs,
                            DialogPictures& pictures) {
  pictures = {art::Bitmap8(art::StartPicture()), art::Bitmap8(art::PanelPicture())};
  return WriteSheet(images / "Back.dat", art::BackSheet()) && WriteSheet(images / "Effect.dat", art::EffectSheet()) &&
         WriteSheet(images / "Sprite.dat", art::SpriteSheet()) && WriteBytes(dialogs / "Start.bmp", pictures.start) &&
         WriteBytes(dialogs / "Panel.bmp", pictures.panel);
}

// So does the error box's icon, for the platform's error box.
bool WriteIconSource(const std::filesystem::path& path, const std::vector<uint8_t>& icon) {
  std::ofstream out(path);
  out << "#include \"platform/error_box/error_icon.h\"\n\nnamespace platform {\n\nnamespace {\n\n";
  WriteArray(out, "kIcon", icon);
  out << "}  // namespace\n\n"
      << "std::span<const uint8_t> ErrorIconBitmap() { return kIcon; }\n\n"
      << "}  // namespace platform\n";
  return static_cast<bool>(out);
}

}  // namespace

// Draws the game's art and sound into a game folder: IMAGE/ with the three
// sheets, WAVE/ with the click, DIALOG/ with the dialog's two pictures and
// the error icon, ICONS/ with the desktop icon at each size and the page's
// as lumora-SIZE.png and lumora-maskable-512.png; the pictures with words again in English under IMAGE/en/
// and DIALOG/en/, from the catalogs in locale/; and, when asked, the dialog's
// pictures and the icon as C++ sources for the program.
int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: %s GAME-FOLDER [DIALOG-SOURCE.cpp ICON-SOURCE.cpp]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::error_code error;
  for (const char* sub : {"IMAGE/en", "WAVE", "DIALOG/en", "ICONS"}) {
    std::filesystem::create_directories(root / sub, error);
    if (error) {
      std::fprintf(stderr, "cannot make %s: %s\n", (root / sub).c_str(), error.message().c_str());
      return 1;
    }
  }
  DialogPictures japanese, english;
  platform::UseLanguage(platform::Language::Japanese, (root / "locale").string());
  if (art::Words("Lumora") == "Lumora") {
    std::fprintf(stderr, "no Japanese catalog under %s\n", (root / "locale").c_str());
    return 1;
  }
  bool ok = WritePicturesWithWords(root / "IMAGE", root / "DIALOG", japanese);
  platform::UseLanguage(platform::Language::English, (root / "locale").string());
  ok = ok && WritePicturesWithWords(root / "IMAGE/en", root / "DIALOG/en", english);
  const std::vector<uint8_t> icon = art::Bitmap8(art::ErrorIcon());
  ok = ok && WriteBytes(root / "WAVE/push_on.wav", art::PushOnWave()) && WriteBytes(root / "DIALOG/Error.bmp", icon);
  for (const int32_t size : art::kIconSizes) {
    ok = ok && WriteIcon(root / ("ICONS/lumora-" + std::to_string(size) + ".png"), art::Icon(size));
  }
  for (const int32_t size : art::kAppIconSizes) {
    ok = ok && WriteIcon(root / ("ICONS/lumora-" + std::to_string(size) + ".png"), art::Icon(size));
  }
  ok = ok && WriteIcon(root / "ICONS/lumora-maskable-512.png", art::MaskableIcon(512));
  if (ok && argc == 4) ok = WriteDialogSource(argv[2], japanese, english) && WriteIconSource(argv[3], icon);
  if (!ok) {
    std::fprintf(stderr, "the art could not be written under %s\n", root.c_str());
    return 1;
  }
  for (const std::string& misfit : art::Misfits()) std::fprintf(stderr, "%s\n", misfit.c_str());
  return art::Misfits().empty() ? 0 : 1;
}
