#include "platform/text/face_lookup.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <tuple>

namespace platform {

namespace {

// One configuration for the whole process, loaded on first use and torn down
// at exit together with fontconfig's own tables, so nothing is left behind.
class FontconfigSession {
 public:
  FontconfigSession() : config_(FcInitLoadConfigAndFonts()) {}
  ~FontconfigSession() {
    if (config_ != nullptr) FcConfigDestroy(config_);
    FcFini();
  }
  FontconfigSession(const FontconfigSession&) = delete;
  FontconfigSession& operator=(const FontconfigSession&) = delete;

  FcConfig* Config() const { return config_; }
  std::mutex& Mutex() { return mutex_; }

 private:
  FcConfig* config_;
  std::mutex mutex_;
};

FontconfigSession& Session() {
  static FontconfigSession session;
  return session;
}

// Hiragana "a" stands for Japanese coverage: Latin-only faces lack it.
bool CoversJapanese(FcPattern* font) {
  FcCharSet* chars = nullptr;
  return FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) == FcResultMatch && FcCharSetHasChar(chars, 0x3042);
}

bool IsScalable(FcPattern* font) {
  FcBool scalable = FcFalse;
  return FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
}

// CJK faces are "dual" (full-width glyphs twice the half-width ones), which
// is fixed pitch as far as cells go.
bool IsFixedPitch(FcPattern* font) {
  int spacing = FC_PROPORTIONAL;
  return FcPatternGetInteger(font, FC_SPACING, 0, &spacing) == FcResultMatch && spacing >= FC_DUAL;
}

// Family names compare as fontconfig compares them: blanks and ASCII case
// do not count, so "IPA Gothic" finds "IPAGothic".
std::string FamilyKey(std::string_view name) {
  std::string key;
  for (char c : name) {
    if (c == ' ') continue;
    key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return key;
}

const char* FamilyCalled(FcPattern* font, const std::string& key) {
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
    const char* text = reinterpret_cast<const char*>(family);
    if (FamilyKey(text) == key) return text;
  }
  return nullptr;
}

std::optional<FaceFile> ToFace(FcPattern* font, const char* family) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  FaceFile face;
  face.path = reinterpret_cast<const char*>(file);
  if (FcPatternGetInteger(font, FC_INDEX, 0, &face.index) != FcResultMatch) face.index = 0;
  FcChar8* first = nullptr;
  if (family != nullptr)
    face.family = family;
  else if (FcPatternGetString(font, FC_FAMILY, 0, &first) == FcResultMatch)
    face.family = reinterpret_cast<const char*>(first);
  return face;
}

// The faces the game names, each with the families that draw it, in order:
// IPA's first, since the package depends on them, then faces alike in metrics.
// Another desktop's aliases (VL Gothic claims both names) never get a say.
struct PinnedFace {
  std::string_view name;
  std::array<std::string_view, 3> families;
};
constexpr std::array<PinnedFace, 2> kPinnedFaces{{
    {"ＭＳ ゴシック", {"IPAGothic", "TakaoGothic", "Noto Sans Mono CJK JP"}},
    {"ＭＳ Ｐゴシック", {"IPAPGothic", "TakaoPGothic", "Noto Sans CJK JP"}},
}};

int WeightDistance(FcPattern* font) {
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  return std::abs(weight - FC_WEIGHT_REGULAR);
}

bool IsUpright(FcPattern* font) {
  int slant = FC_SLANT_ROMAN;
  return FcPatternGetInteger(font, FC_SLANT, 0, &slant) != FcResultMatch || slant == FC_SLANT_ROMAN;
}

std::string FileOf(FcPattern* font) {
  FcChar8* file = nullptr;
  return FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch ? reinterpret_cast<const char*>(file) : "";
}

// The upright regular face of the first pinned family installed. Ties go to
// the file name, so the directory scan order of a machine never decides.
std::optional<FaceFile> ChoosePinned(FcFontSet* fonts, const PinnedFace& pinned) {
  for (std::string_view wanted : pinned.families) {
    const std::string key = FamilyKey(wanted);
    FcPattern* best = nullptr;
    const char* bestFamily = nullptr;
    auto rank = [](FcPattern* font) { return std::make_tuple(!IsUpright(font), WeightDistance(font), FileOf(font)); };
    for (int i = 0; i < fonts->nfont; ++i) {
      FcPattern* font = fonts->fonts[i];
      if (!IsScalable(font) || !CoversJapanese(font)) continue;
      const char* family = FamilyCalled(font, key);
      if (family == nullptr) continue;
      if (best == nullptr || rank(font) < rank(best)) {
        best = font;
        bestFamily = family;
      }
    }
    if (best != nullptr) return ToFace(best, bestFamily);
  }
  return std::nullopt;
}

std::optional<FaceFile> Choose(FcFontSet* fonts, const std::string& name, bool proportional) {
  const std::string key = FamilyKey(name);
  FcPattern* pitched = nullptr;
  FcPattern* any = nullptr;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    if (!IsScalable(font) || !CoversJapanese(font)) continue;
    if (!name.empty()) {
      if (const char* family = FamilyCalled(font, key)) return ToFace(font, family);
    }
    if (pitched == nullptr && IsFixedPitch(font) != proportional) pitched = font;
    if (any == nullptr) any = font;
  }
  if (pitched != nullptr) return ToFace(pitched, nullptr);
  if (any != nullptr) return ToFace(any, nullptr);
  return std::nullopt;
}

}  // namespace

std::optional<FaceFile> FindFace(const std::string& familyUtf8, bool proportional) {
  FontconfigSession& session = Session();
  if (session.Config() == nullptr) return std::nullopt;
  std::lock_guard lock(session.Mutex());

  for (const PinnedFace& pinned : kPinnedFaces) {
    if (pinned.name != familyUtf8) continue;
    if (FcFontSet* installed = FcConfigGetFonts(session.Config(), FcSetSystem)) {
      if (auto face = ChoosePinned(installed, pinned)) return face;
    }
  }

  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  if (!familyUtf8.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyUtf8.c_str()));
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  FcPatternAddInteger(pattern, FC_SPACING, proportional ? FC_PROPORTIONAL : FC_MONO);
  FcConfigSubstitute(session.Config(), pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);

  // The whole ranking, not just the best match: the best may be Latin-only.
  FcResult result = FcResultNoMatch;
  FcFontSet* fonts = FcFontSort(session.Config(), pattern, FcFalse, nullptr, &result);
  std::optional<FaceFile> face;
  if (fonts != nullptr) {
    face = Choose(fonts, familyUtf8, proportional);
    FcFontSetDestroy(fonts);
  }
  FcPatternDestroy(pattern);
  return face;
}

}  // namespace platform
