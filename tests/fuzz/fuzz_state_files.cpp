#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/varnix.h"
#include "game_folder.h"
#include "platform/application.h"
#include "platform/error_box/modal_box.h"
#include "platform/framework_error.h"
#include "platform/headless/headless_backend.h"
#include "platform/widgets/button.h"
#include "shell/program.h"
#include "shell/satellite.h"

// The three state files as one input, parted by a line of "==" (see
// state_corpus/): win_state.log, select_game.log, score.log. A part that
// reads "(missing)" leaves its file out, one that reads "(folder)" puts a
// folder in its place, and parts left off are missing.
//
// The game starts once, in a game folder of its own on the headless backend;
// each input is then read by the dialog's own reading, a fault ending in its
// error box as the dialog's first showing does. Starting the game anew for
// each input would load and draw the sheets, hundreds of times slower.

namespace {

constexpr std::string_view kSeparator = "\n==\n";
const char* const kFiles[3] = {"win_state.log", "select_game.log", "score.log"};
constexpr platform::Size kScreen{1024, 768};
constexpr int32_t kFarTop = kScreen.height - 480;
constexpr int32_t kFarLeft = kScreen.width - 640;

void Require(bool ok) {
  if (!ok) std::abort();
}

std::vector<std::string_view> Parts(std::string_view input) {
  std::vector<std::string_view> parts;
  while (parts.size() < 2) {
    const size_t at = input.find(kSeparator);
    if (at == std::string_view::npos) break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + kSeparator.size());
  }
  parts.push_back(input);
  return parts;
}

// Whether a line read as `value` spells it: an optional sign, then decimal
// digits, leading zeros allowed.
bool Spells(std::string_view line, int32_t value) {
  const bool plus = !line.empty() && line[0] == '+';
  if (plus) line.remove_prefix(1);
  const bool minus = !plus && !line.empty() && line[0] == '-';
  if (minus) line.remove_prefix(1);
  if (line.empty() || line.find_first_not_of("0123456789") != std::string_view::npos) return false;
  line.remove_prefix(std::min(line.find_first_not_of('0'), line.size() - 1));
  return (minus && line != "0" ? "-" : "") + std::string(line) == std::to_string(value);
}

// A list's lines hold no line end and no NUL, so saving and reading them
// again gives the same lines.
void RequireWholeLines(const shell::StringList& list) {
  for (size_t i = 0; i < list.Count(); ++i) {
    Require(list.Line(static_cast<int32_t>(i)).find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
  }
  shell::StringList again;
  again.SetText(list.Text());
  Require(again.Count() == list.Count());
}

class Game {
 public:
  Game() : program_(backend_.services, folder_.Exe()) {
    backend_.windows.SetScreenSize(kScreen);
    program_.Start();
  }

  const GameFolder& Folder() const { return folder_; }
  shell::TSatellite& Dialog() { return program_.Satellite(); }
  game::TVarnix& Varnix() { return program_.Game(); }
  const auto& Boxes() const { return backend_.boxes.Shown(); }

  // Lays out a box's message and draws its lines as the desktop's box does.
  // The box's window, face, icon and button are the same for every message.
  void DrawBox(const std::string& text) {
    const platform::ErrorBox box = platform::MakeErrorBox(text, *boxFont_, platform::ErrorIcon(), kScreen);
    // The box stays on the screen however long the message.
    Require(box.client.width <= kScreen.width && box.client.height <= kScreen.height);
    for (const platform::Label& line : box.lines) line.Draw(boxSurface_, platform::kButtonFace);
  }

  // The reading of a fresh start: the game's state as it is made, then the
  // files, a fault ending in its box as the dialog's showing ends.
  void Read() {
    backend_.boxes.Clear();
    game::TVarnix& game = Varnix();
    game.State = game::GameState{};
    game.Window = game::WindowState{};
    game.SetLeft(226);
    game.SetTop(123);
    // Any other exception is a fault of its own: it escapes and ends the run.
    try {
      Dialog().ReadStateFiles();
    } catch (const platform::FrameworkError& error) {
      program_.App().ShowException(error, &Dialog());
    }
  }

 private:
  GameFolder folder_;
  platform::headless::HeadlessBackend backend_;
  shell::Program program_;
  std::unique_ptr<platform::Font> boxFont_ = platform::ErrorBoxFont();
  platform::Surface boxSurface_{kScreen.width, kScreen.height, platform::PixelFormat::Rgb565()};
};

Game& TheGame() {
  // Every save syncs and renames: a folder in memory keeps that cheap.
  static const bool inMemory = std::filesystem::is_directory("/dev/shm") && setenv("TMPDIR", "/dev/shm", 0) == 0;
  (void)inMemory;
  static Game game;
  return game;
}

void PutFile(const GameFolder& folder, const char* name, std::string_view part) {
  std::error_code ignored;
  std::filesystem::remove_all(folder.Data(name), ignored);
  if (part == "(missing)") return;
  if (part == "(folder)") {
    std::filesystem::create_directory(folder.Data(name));
    return;
  }
  folder.WriteData(name, std::string(part));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string_view> parts = Parts({reinterpret_cast<const char*>(data), size});
  parts.resize(3, "(missing)");
  Game& g = TheGame();
  for (size_t i = 0; i < 3; ++i) PutFile(g.Folder(), kFiles[i], parts[i]);

  g.Read();
  shell::TSatellite& dialog = g.Dialog();
  game::TVarnix& game = g.Varnix();
  // Reading stops at the first fault; a huge line is quoted in short.
  Require(g.Boxes().size() <= 1);
  for (const auto& box : g.Boxes()) {
    Require(box.text.size() <= g.Folder().Data("select_game.log").string().size() + 100);
    g.DrawBox(box.text);
  }
  Require(game.Top() <= kFarTop && game.Left() <= kFarLeft);
  Require(game.Window.FullScreen <= 1);
  for (const shell::StringList* list : {&dialog.WinStateList, &dialog.SelectGameList, &dialog.ScoreList}) {
    RequireWholeLines(*list);
  }

  const bool clean = g.Boxes().empty();
  const game::GameState read = game.State;
  const platform::Point place{game.Left(), game.Top()};
  const uint8_t fullScreen = game.Window.FullScreen;
  if (clean) {
    const int32_t top = shell::StrToInt(dialog.WinStateList.Line(0));
    const int32_t left = shell::StrToInt(dialog.WinStateList.Line(1));
    Require(Spells(dialog.WinStateList.Line(0), top) && Spells(dialog.WinStateList.Line(1), left));
    Require(game.Top() == std::min(top, kFarTop) && game.Left() == std::min(left, kFarLeft));
    Require(Spells(dialog.SelectGameList.Line(0), read.SizeIndex));
    for (int32_t i = 0; i < 4; ++i) Require(Spells(dialog.ScoreList.Line(i), read.HighScore[i]));
  }

  // Quitting saves what was read, and only into files that were read or
  // missing: a folder in a file's place stays.
  game.Window.WindowedLeft = place.x;
  game.Window.WindowedTop = place.y;
  const size_t boxes = g.Boxes().size();
  dialog.WriteStateFiles();
  Require(g.Boxes().size() == boxes);
  for (size_t i = 0; i < 3; ++i) {
    if (parts[i] == "(folder)") Require(std::filesystem::is_directory(g.Folder().Data(kFiles[i])));
  }
  // A clean read, saved, reads back the same.
  if (clean) {
    g.Read();
    Require(g.Boxes().empty());
    Require(game.Left() == place.x && game.Top() == place.y && game.Window.FullScreen == fullScreen);
    Require(game.State.SizeIndex == read.SizeIndex);
    Require(std::equal(read.HighScore, read.HighScore + 4, game.State.HighScore));
  }

  // The title takes Left or Right from whatever size was read.
  const int32_t sizeRead = game.State.SizeIndex;
  for (const uint16_t key : {platform::kKeyLeft, platform::kKeyRight}) {
    game.State.SizeIndex = sizeRead;
    uint16_t pressed = key;
    game.FormKeyDown(pressed, 0);
    Require(game.State.SizeIndex >= 0 && game.State.SizeIndex <= 3);
  }
  return 0;
}
