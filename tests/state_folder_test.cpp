#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "platform/data_folder.h"
#include "platform/framework_error.h"
#include "platform/text_codec.h"
#include "player.h"
#include "shell/command_line.h"
#include "shell/default_state_files.h"
#include "shell/state_folder.h"

namespace fs = std::filesystem;
using shell::ChooseStateFolder;
using shell::UserEnvironment;

namespace {

// A temporary folder, gone with the test.
struct TempFolder {
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "lumora-home-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

// Sets an environment variable for one scope, then puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  }
  ~ScopedVariable() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every path under `root`, to tell whether a run added or removed any.
std::set<std::string> Tree(const fs::path& root) {
  std::set<std::string> paths;
  for (const auto& entry : fs::recursive_directory_iterator(root)) paths.insert(entry.path().string());
  return paths;
}

template <typename Fn>
std::string ErrorOf(Fn&& fn) {
  try {
    fn();
  } catch (const platform::FrameworkError& error) {
    return platform::Cp932ToUtf8(error.what());
  }
  return "<no error>";
}

}  // namespace

TEST(StateFolder, AGameFolderWithItsOwnWritableDataIsPortableAndAnyOtherUsesTheXdgFolder) {
  TempFolder game;
  const std::string exeFolder = game.path.string() + "/";
  const UserEnvironment env{"/xdg", "/home/player", std::nullopt};

  EXPECT_FALSE(ChooseStateFolder(exeFolder, env).portable);
  EXPECT_EQ(ChooseStateFolder(exeFolder, env).path, "/xdg/lumora/");

  // A file named DATA is no game folder of its own.
  std::ofstream(game.path / "DATA") << "x";
  EXPECT_EQ(ChooseStateFolder(exeFolder, env).path, "/xdg/lumora/");
  fs::remove(game.path / "DATA");

  fs::create_directory(game.path / "DATA");
  EXPECT_TRUE(ChooseStateFolder(exeFolder, env).portable);
  EXPECT_EQ(ChooseStateFolder(exeFolder, env).path, exeFolder + "DATA/");

  // A DATA/ that cannot be written belongs to an installed copy; the
  // superuser writes anywhere, so only others can tell.
  fs::permissions(game.path / "DATA", fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {
    EXPECT_EQ(ChooseStateFolder(exeFolder, env).path, "/xdg/lumora/");
  }
}

TEST(StateFolder, WhereTheSystemNamesAnAppDataFolderTheFilesGoToLumoraInIt) {
  const std::string none = "/nonexistent-lumora-game/";
  const std::string appData = "C:\\Users\\プレイヤー\\AppData\\Roaming";
  EXPECT_EQ(ChooseStateFolder(none, UserEnvironment{std::nullopt, std::nullopt, appData}).path,
            appData + "\\Lumora\\");
  // An empty one names nothing.
  EXPECT_EQ(ChooseStateFolder(none, UserEnvironment{"/xdg", std::nullopt, ""}).path, "/xdg/lumora/");
}

TEST(StateFolder, XdgDataHomeCountsOnlyWhenSetNonEmptyAndAbsolute) {
  const std::string none = "/nonexistent-lumora-game/";
  auto path = [&none](std::optional<std::string> xdg, std::optional<std::string> home) {
    return ChooseStateFolder(none, UserEnvironment{std::move(xdg), std::move(home), std::nullopt}).path;
  };
  EXPECT_EQ(path("/data", "/home/p"), "/data/lumora/");
  EXPECT_EQ(path("/data//", "/home/p"), "/data/lumora/");
  EXPECT_EQ(path("/", "/home/p"), "/lumora/");
  EXPECT_EQ(path(std::nullopt, "/home/p"), "/home/p/.local/share/lumora/");
  EXPECT_EQ(path("", "/home/p/"), "/home/p/.local/share/lumora/");
  EXPECT_EQ(path("data", "/home/p"), "/home/p/.local/share/lumora/");
  EXPECT_EQ(path("./data", "/home/p"), "/home/p/.local/share/lumora/");
  // With no usable home either there is nowhere to go; never the working folder.
  EXPECT_EQ(path(std::nullopt, std::nullopt), "");
  EXPECT_EQ(path("rel", "home"), "");
  EXPECT_EQ(ErrorOf([] { shell::PrepareStateFolder({"", false}); }),
            "ﾌｧｲﾙ ~/.local/share/lumora/ を作成できません");

  // The environment of the process: HOME stands in when XDG_DATA_HOME is empty.
  ScopedVariable xdg("XDG_DATA_HOME", "");
  ScopedVariable home("HOME", "/home/someone");
  const UserEnvironment env = shell::CurrentUserEnvironment();
  EXPECT_EQ(env.xdgDataHome, "");
  EXPECT_EQ(ChooseStateFolder(none, env).path, "/home/someone/.local/share/lumora/");
}

TEST(StateFolder, TheFolderIsMadeWithItsParentsAndTheBuildsFirstRunFilesWhereThereAreNone) {
  TempFolder home;
  const fs::path folder = home.path / "a/b/lumora";
  const shell::StateFolder state{folder.string() + "/", false};
  shell::PrepareStateFolder(state);
  for (const shell::StateFileDefault& file : shell::kDefaultStateFiles) {
    EXPECT_EQ(Contents(folder / file.name), file.bytes) << file.name;
  }
  // New folders are the player's alone.
  EXPECT_EQ(fs::status(home.path / "a").permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);

  // The same files the build gives its own DATA/.
  TempFolder built;
  const std::string command = std::string("\"") + LUMORA_CMAKE + "\" -DDATA_DIR=\"" + built.path.string() +
                              "\" -P \"" + LUMORA_DEFAULT_DATA + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const shell::StateFileDefault& file : shell::kDefaultStateFiles) {
    EXPECT_EQ(Contents(folder / file.name), Contents(built.path / file.name)) << file.name;
  }

  // A later run keeps the player's files and only makes the missing one.
  std::ofstream(folder / "score.log", std::ios::binary) << "5\r\n";
  fs::remove(folder / "select_game.log");
  shell::PrepareStateFolder(state);
  EXPECT_EQ(Contents(folder / "score.log"), "5\r\n");
  EXPECT_EQ(Contents(folder / "select_game.log"), "0\r\n");

  // The portable layout is the build's business: nothing is made there.
  const fs::path data = home.path / "game/DATA";
  shell::PrepareStateFolder({data.string() + "/", true});
  EXPECT_FALSE(fs::exists(data));
}

TEST(StateFolder, AFolderOrFileThatCannotBeMadeRaisesTheCannotCreateError) {
  TempFolder home;
  std::ofstream(home.path / "file") << "x";
  const std::string underFile = (home.path / "file/lumora/").string();
  EXPECT_EQ(ErrorOf([&] { shell::PrepareStateFolder({underFile, false}); }), "ﾌｧｲﾙ " + underFile + " を作成できません");

  // A folder that is there but takes no new file.
  const fs::path locked = home.path / "locked/lumora";
  fs::create_directories(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {
    EXPECT_EQ(ErrorOf([&] { shell::PrepareStateFolder({locked.string() + "/", false}); }),
              "ﾌｧｲﾙ " + (locked / "win_state.log").string() + " を作成できません");
  }
}

TEST(InstalledGame, FirstRunMakesTheStateFilesInTheXdgFolderAndTheNextRunReadsThemBack) {
  GameFolder prefix(GameFolder::Layout::Installed);
  TempFolder home;
  ScopedVariable xdg("XDG_DATA_HOME", nullptr);
  ScopedVariable homeVariable("HOME", home.path.c_str());
  const fs::path state = home.path / ".local/share/lumora";
  const std::set<std::string> installed = Tree(prefix.Root());
  {
    Player player(prefix);
    EXPECT_TRUE(player.backend.boxes.Shown().empty());
    EXPECT_EQ(Contents(state / "score.log"), "0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(player.GamePosition(), (platform::Point{226, 123}));
    player.StartGame();
    player.Frames(1);
    // The sheets came from share/lumora: no box, and the backdrop is on screen.
    EXPECT_TRUE(player.backend.boxes.Shown().empty());
    EXPECT_EQ(player.backend.video.FramePixel(2, 470),
              platform::PackColor(platform::PixelFormat::Rgb565(), BackPixel(2, 470)));
    player.Click(Player::kSizeLabelX[2], 230);
    player.State().HighScore[2] = 432;
    player.Key(27);
    ASSERT_TRUE(player.Ended());
    EXPECT_TRUE(player.backend.boxes.Shown().empty());
  }
  EXPECT_EQ(Contents(state / "select_game.log"), "2\r\n");
  EXPECT_EQ(Contents(state / "score.log"), "0\r\n0\r\n432\r\n0\r\n");
  EXPECT_EQ(Tree(prefix.Root()), installed);

  Player again(prefix);
  EXPECT_TRUE(again.backend.boxes.Shown().empty());
  EXPECT_EQ(again.State().SizeIndex, 2);
  EXPECT_EQ(again.State().HighScore[2], 432);
}

TEST(InstalledGame, AStateFolderThatCannotBeMadeIsReportedOnceAndThePlayGoesOnWithTheDefaults) {
  GameFolder prefix(GameFolder::Layout::Installed);
  TempFolder home;
  std::ofstream(home.path / "data") << "not a folder";
  const std::string wanted = (home.path / "data/lumora/").string();
  ScopedVariable xdg("XDG_DATA_HOME", (home.path / "data").c_str());

  Player player(prefix);
  ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(player.backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(platform::Cp932ToUtf8(player.backend.boxes.Shown()[0].text), "ﾌｧｲﾙ " + wanted + " を作成できません");
  EXPECT_TRUE(player.Dialog().Visible());
  player.StartGame();
  player.StartBoard(1);
  player.Frames(3);
  EXPECT_EQ(player.State().Playing, 1);
  EXPECT_EQ(player.GamePosition(), (platform::Point{226, 123}));
  player.Key(27);
  EXPECT_TRUE(player.Ended());
  // Quitting tries nothing more, so no second box.
  EXPECT_EQ(player.backend.boxes.Shown().size(), 1u);
}

TEST(DataFolder, ArtBesideTheExecutableWinsOverTheInstalledShareFolder) {
  GameFolder installed(GameFolder::Layout::Installed);
  const std::string root = installed.Root().string();
  EXPECT_EQ(platform::DataFolderOf(installed.Exe()), root + "/share/lumora/");
  fs::create_directory(installed.Root() / "bin/IMAGE");
  EXPECT_EQ(platform::DataFolderOf(installed.Exe()), root + "/bin/");
  // Neither: the executable's own folder, which the sheet errors then name.
  EXPECT_EQ(platform::DataFolderOf(root + "/bin/games/lumora"), root + "/bin/games/");
}

TEST(CommandLine, VersionAndHelpAnswerALineAndAnythingElseIsAUsageError) {
  EXPECT_TRUE(shell::ReadCommandLine({}).startGame);
  for (const char* option : {"--version", "--help"}) {
    const shell::CommandLineAnswer answer = shell::ReadCommandLine({option});
    EXPECT_FALSE(answer.startGame);
    EXPECT_EQ(answer.exitCode, 0);
    EXPECT_EQ(answer.out.find('\n'), answer.out.size() - 1) << option;
    EXPECT_TRUE(answer.err.empty());
  }
  EXPECT_EQ(shell::ReadCommandLine({"--version"}).out, "lumora 1.0\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-v"}, {"--Version"}, {""}, {"--help", "x"}, {"--version", "--help"}}) {
    const shell::CommandLineAnswer answer = shell::ReadCommandLine(args);
    EXPECT_FALSE(answer.startGame);
    EXPECT_EQ(answer.exitCode, 2);
    EXPECT_TRUE(answer.out.empty());
    EXPECT_EQ(answer.err.find('\n'), answer.err.size() - 1);
    EXPECT_NE(answer.err.find("usage: lumora"), std::string::npos);
  }
}
