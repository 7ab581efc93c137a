#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/language/language_choice.h"
#include "platform/language/translation.h"
#include "platform/text_codec.h"
#include "player.h"
#include "shell/command_line.h"

namespace {

using platform::Language;

const std::string kBuild = LUMORA_GAME_DIR;

// Each test that speaks English goes back to the Japanese game after it.
class InEnglish : public testing::Test {
 protected:
  void SetUp() override { platform::UseLanguage(Language::English, kBuild + "locale"); }
  void TearDown() override { platform::UseLanguage(Language::Japanese, kBuild + "locale"); }
};

bool AllAscii(const std::string& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

TEST(LanguageChoice, FollowsGettextsOrderAndOnlyJapaneseGivesJapanese) {
  struct Case {
    std::map<std::string, std::string> environment;
    std::optional<Language> option;
    Language expected;
  } const cases[] = {
      {{}, std::nullopt, Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, std::nullopt, Language::Japanese},
      {{{"LANG", "ja_JP.eucJP"}}, std::nullopt, Language::Japanese},
      {{{"LANG", "de_DE.UTF-8"}}, std::nullopt, Language::English},
      {{{"LANG", "C"}}, std::nullopt, Language::English},
      // gettext reads no LANGUAGE under the C locale.
      {{{"LANG", "POSIX"}, {"LANGUAGE", "ja"}}, std::nullopt, Language::English},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja"}}, std::nullopt, Language::Japanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "en_GB:ja"}}, std::nullopt, Language::English},
      // Entries without a catalog are passed over; a list of them is English.
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:ja_JP:en"}}, std::nullopt, Language::Japanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr:de"}}, std::nullopt, Language::English},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", ""}}, std::nullopt, Language::Japanese},
      {{{"LC_ALL", "C"}, {"LANG", "ja_JP.UTF-8"}}, std::nullopt, Language::English},
      {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}, std::nullopt, Language::Japanese},
      {{{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, std::nullopt, Language::English},
      {{{"LANG", "jam_JM.UTF-8"}}, std::nullopt, Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, Language::English, Language::English},
      {{{"LANG", "C"}}, Language::Japanese, Language::Japanese},
  };
  for (const Case& c : cases) {
    std::string named;
    for (const auto& [name, value] : c.environment) named += name + "=" + value + " ";
    const auto environment = [&c](const char* name) {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? std::string() : found->second;
    };
    EXPECT_EQ(platform::ChooseLanguage(environment, c.option), c.expected)
        << named << (c.option ? "with --lang" : "");
  }
  // With no locale variable set, the system's display language decides; a
  // variable or --lang still wins over it.
  const auto unset = [](const char*) { return std::string(); };
  const auto english = [](const char* name) { return std::string(name == std::string("LANG") ? "en_US.UTF-8" : ""); };
  EXPECT_EQ(platform::ChooseLanguage(unset, std::nullopt, Language::Japanese), Language::Japanese);
  EXPECT_EQ(platform::ChooseLanguage(unset, Language::English, Language::Japanese), Language::English);
  EXPECT_EQ(platform::ChooseLanguage(english, std::nullopt, Language::Japanese), Language::English);
  EXPECT_EQ(platform::LanguageNamed("ja"), Language::Japanese);
  EXPECT_EQ(platform::LanguageNamed("en"), Language::English);
  EXPECT_EQ(platform::LanguageNamed("ja_JP"), std::nullopt);
}

TEST(CommandLine, LangTakesJaOrEnBesideAnyOtherOptionOnce) {
  EXPECT_EQ(shell::ParseCommandLine({"--lang", "en"}).language, Language::English);
  const shell::CommandLine help = shell::ParseCommandLine({"--help", "--lang", "ja"});
  EXPECT_EQ(help.action, shell::CommandLine::Action::Help);
  EXPECT_EQ(help.language, Language::Japanese);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--lang"}, {"--lang", "fr"}, {"--lang", "ja", "--lang", "en"}}) {
    const shell::CommandLineAnswer answer = shell::ReadCommandLine(args);
    EXPECT_EQ(answer.exitCode, 2) << args.back();
    EXPECT_NE(answer.err.find("usage: lumora"), std::string::npos);
  }
  EXPECT_NE(shell::ReadCommandLine({"--help"}).out.find("--lang ja|en"), std::string::npos);
}

// The catalog is found from the executable's place: beside a build or a
// portable copy, and in share/locale of an installed prefix, moved or not.
TEST_F(InEnglish, TheJapaneseCatalogIsFoundFromTheBuildAPortableCopyAndAMovedPrefix) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no installed prefix: its game folder always holds its own locale folder";
#endif
  const std::filesystem::path mo = kBuild + "locale/ja/LC_MESSAGES/lumora.mo";
  EXPECT_EQ(std::filesystem::path(platform::LocaleFolderOf(kBuild + "lumora")), std::filesystem::path(kBuild + "locale"));
  EXPECT_EQ(platform::Tr("Cancel"), "Cancel");

  GameFolder portable;
  std::filesystem::create_directories(portable.Root() / "locale/ja/LC_MESSAGES");
  std::filesystem::copy_file(mo, portable.Root() / "locale/ja/LC_MESSAGES/lumora.mo");
  GameFolder installed(GameFolder::Layout::Installed);
  std::filesystem::create_directories(installed.Root() / "share/locale/ja/LC_MESSAGES");
  std::filesystem::copy_file(mo, installed.Root() / "share/locale/ja/LC_MESSAGES/lumora.mo");
  const std::filesystem::path moved = installed.Root().string() + "-moved";
  std::filesystem::rename(installed.Root(), moved);

  for (const std::string& exe : {kBuild + "lumora", portable.Exe(), (moved / "bin/lumora").string()}) {
    platform::UseLanguage(Language::Japanese, platform::LocaleFolderOf(exe));
    EXPECT_EQ(platform::Cp932ToUtf8(platform::Tr("Cancel")), "キャンセル") << exe;
    EXPECT_EQ(platform::Format(platform::Tr("File %s cannot be opened"), "a.dat"), platform::Utf8ToCp932("ﾌｧｲﾙ a.dat は開けません"));
    EXPECT_EQ(platform::TrUtf8("lumora: unexpected argument '%1$s'; %2$s"), "lumora: %2$s (引数 '%1$s' は使えません)");
  }
  std::filesystem::rename(moved, installed.Root());
}

TEST_F(InEnglish, EveryLabelAndButtonOfTheDialogAndThePanelFitsItsBoxInAsciiAlone) {
  Player player;
  shell::TSatellite& dialog = player.Dialog();
  for (const platform::Button* button : {&dialog.Button_Ok, &dialog.Button_Cancel, &dialog.Button_Return}) {
    EXPECT_TRUE(AllAscii(button->caption)) << button->caption;
    EXPECT_LE(button->font->TextWidth(button->caption) + 8, button->place.Width()) << button->caption;
  }
  // A wide letter keeps its own width instead of a half-width cell's 6.
  EXPECT_GT(dialog.Button_Ok.font->TextWidth("mw"), 12);
  // The panel is 150 wide outside; a frame takes a few pixels of that.
  for (const platform::Label* label : {&dialog.Label_1, &dialog.Label_2, &dialog.Label_3}) {
    EXPECT_TRUE(AllAscii(label->text)) << label->text;
    EXPECT_LE(label->left + label->font->TextWidth(label->text), 140) << label->text;
  }
}

// The game's own texts keep their bytes' width in English, so the regions
// that take the pointer and the darkened panel behind them still fit.
TEST_F(InEnglish, TheMenuItemsAndTheHeadingFitTheirPanelsAsTheJapaneseDid) {
  for (const char* item : {"<<     Start over     >>", "<<      Give up       >>", "<<   Quit the game    >>"}) {
    const std::string english = platform::Tr(item);
    platform::UseLanguage(Language::Japanese, kBuild + "locale");
    EXPECT_EQ(english.size(), platform::Tr(item).size()) << item;
    platform::UseLanguage(Language::English, kBuild + "locale");
  }
  // The heading is written at x 252 in 9-pixel cells, inside the panel that
  // ends at x 460.
  EXPECT_LE(252 + 9 * static_cast<int32_t>(platform::Tr("[ Choose a size ]").size()), 460);
}

namespace {

// The frames of every screen, from a game folder with the build's own art.
struct Screens {
  std::map<std::string, platform::headless::ShownFrame> frames;
  std::vector<std::string> boxTexts;
};

Screens PlayEveryScreen(Language language) {
  platform::UseLanguage(language, kBuild + "locale");
  GameFolder folder;
  std::filesystem::copy(kBuild + "IMAGE", folder.Root() / "IMAGE",
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  Screens screens;
  {
    Player player(folder);
    const platform::WindowId dialog = player.Dialog().Id();
    const platform::WindowId game = player.Game().Id();
    player.Frames(2);
    screens.frames["dialog"] = player.backend.video.FrameOf(dialog);
    player.StartGame();
    player.Frames(3);
    screens.frames["title"] = player.backend.video.FrameOf(game);
    player.StartBoard(0);
    player.Frames(3);
    screens.frames["play"] = player.backend.video.FrameOf(game);
    player.Tap('M');
    player.Frames(2);
    screens.frames["menu"] = player.backend.video.FrameOf(game);
    player.Click(300, 250);
    player.Frames(3);
    screens.frames["result"] = player.backend.video.FrameOf(game);
    player.Press(565, 12);
    player.Release(565, 12);
    player.Frames(3);
    screens.frames["panel"] = player.backend.video.FrameOf(dialog);
  }
  // An error box: the backdrop is not there.
  std::filesystem::remove(folder.Image("Back.dat"));
  std::filesystem::remove(folder.Image("en/Back.dat"));
  {
    Player player(folder);
    player.StartGame();
    player.Frames(2);
    for (const auto& box : player.backend.boxes.Shown()) screens.boxTexts.push_back(box.caption + "\n" + box.text);
  }
  return screens;
}

bool RegionDiffers(const platform::headless::ShownFrame& a, const platform::headless::ShownFrame& b,
                   const platform::Rect& r) {
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return true;
  return false;
}

}  // namespace

// Every place where the Japanese game shows words shows other pixels in
// English: nothing is left from a Japanese text, on the sheets or drawn.
TEST_F(InEnglish, EveryScreenIsDrawnWithNoJapaneseWordsLeft) {
  const Screens japanese = PlayEveryScreen(Language::Japanese);
  const Screens english = PlayEveryScreen(Language::English);
  struct Place {
    const char* screen;
    const char* what;
    platform::Rect where;
  } const places[] = {
      {"dialog", "start picture's words", {184, 60, 366, 186}},
      {"dialog", "start button", {36, 244, 164, 267}},
      {"dialog", "cancel button", {226, 244, 354, 267}},
      {"title", "title strip", {30, 7, 120, 20}},
      {"title", "heading ribbon", {260, 165, 400, 185}},
      {"title", "size heading", {252, 200, 400, 216}},
      {"title", "start button", {305, 315, 355, 335}},
      {"title", "time label", {20, 58, 120, 72}},
      {"title", "points label", {20, 104, 120, 118}},
      {"title", "menu button", {560, 35, 620, 61}},
      {"play", "hint label", {28, 200, 82, 216}},
      {"play", "hint word", {28, 218, 82, 234}},
      {"play", "legend heading", {544, 82, 632, 96}},
      {"play", "lit", {578, 108, 630, 124}},
      {"play", "count", {578, 134, 630, 150}},
      {"play", "match", {578, 160, 630, 176}},
      {"play", "left button", {552, 186, 630, 202}},
      {"play", "right button", {552, 204, 630, 220}},
      {"menu", "menu heading", {250, 165, 390, 185}},
      {"menu", "start over", {227, 210, 431, 226}},
      {"menu", "give up", {227, 245, 431, 261}},
      {"menu", "quit", {227, 280, 431, 296}},
      {"result", "banner", {230, 172, 430, 204}},
      {"panel", "picture's words", {23, 72, 119, 88}},
      {"panel", "first line", {24, 107, 126, 123}},
      {"panel", "second line", {14, 128, 136, 144}},
      {"panel", "return button", {11, 155, 134, 183}},
  };
  for (const Place& place : places) {
    const auto& ja = japanese.frames.at(place.screen);
    const auto& en = english.frames.at(place.screen);
    ASSERT_GT(en.count, 0) << place.screen << " was never drawn";
    ASSERT_EQ(ja.size, en.size) << place.screen;
    EXPECT_TRUE(RegionDiffers(ja, en, place.where)) << place.screen << ": the " << place.what << " is still Japanese";
  }
  ASSERT_FALSE(english.boxTexts.empty());
  for (const std::string& text : english.boxTexts) EXPECT_TRUE(AllAscii(text)) << platform::Cp932ToUtf8(text);
  ASSERT_FALSE(japanese.boxTexts.empty());
  EXPECT_FALSE(AllAscii(japanese.boxTexts[0]));
}
