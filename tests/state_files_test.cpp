#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/framework_error.h"
#include "platform/text_codec.h"
#include "player.h"
#include "shell/string_list.h"

using shell::StringList;

namespace {

std::vector<std::string> Lines(std::string_view text) {
  StringList list;
  list.SetText(text);
  std::vector<std::string> lines;
  for (size_t i = 0; i < list.Count(); ++i) lines.push_back(list.Line(static_cast<int32_t>(i)));
  return lines;
}

// The message of the framework error that `fn` raises, in UTF-8.
template <typename Fn>
std::string ErrorOf(Fn&& fn) {
  try {
    fn();
  } catch (const platform::FrameworkError& error) {
    return platform::Cp932ToUtf8(error.what());
  }
  return "<no error>";
}

std::string BoxText(Player& player, size_t i) { return platform::Cp932ToUtf8(player.backend.boxes.Shown().at(i).text); }

// A game folder whose win_state.log holds `winState`.
struct Folder {
  explicit Folder(const std::string& winState) { folder.WriteData("win_state.log", winState); }
  GameFolder folder;
};

}  // namespace

TEST(StringList, LineEndsOfEveryKindReadAlikeUpToANulAndWritingEndsEveryLineWithCrLf) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines("1\r\n2\r\n3\r\n"), (V{"1", "2", "3"}));
  EXPECT_EQ(Lines("1\n2\n3\n"), (V{"1", "2", "3"}));
  EXPECT_EQ(Lines("1\r2\r3"), (V{"1", "2", "3"}));
  EXPECT_EQ(Lines("a\n\rb\r\n\r\n"), (V{"a", "", "b", ""}));
  EXPECT_EQ(Lines(std::string_view("7\r\n8\0" "9\r\n", 7)), (V{"7", "8"}));
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("\r\n"), V{""});

  StringList list;
  list.SetText("x\ny");
  EXPECT_EQ(list.Text(), "x\r\ny\r\n");
  list.SetLine(3, "z");
  EXPECT_EQ(list.Text(), "x\r\ny\r\n\r\nz\r\n");
  EXPECT_EQ(ErrorOf([&] { list.Line(4); }), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)");
}

TEST(StringList, OnlyAWholeDecimalInt32IsANumber) {
  EXPECT_EQ(shell::StrToInt("-50"), -50);
  EXPECT_EQ(shell::StrToInt("+7"), 7);
  EXPECT_EQ(shell::StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(shell::StrToInt("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "+", "+-1", " 5", "5 ", "1.5", "0x10", "2147483648", "12abc"}) {
    EXPECT_EQ(ErrorOf([&] { shell::StrToInt(bad); }), std::string("'") + bad + "' は数値ではありません") << bad;
  }
}

TEST(StringList, AnInterruptedSaveLeavesTheOldFileWhole) {
  GameFolder folder;
  const std::string path = folder.Data("score.log").string();
  const std::string temp = shell::TemporaryFileFor(path);
  folder.WriteData("score.log", "old\r\n");

  // Up to the rename the new lines are only in the temporary file, on disk.
  shell::ReplaceFile(path, "new\r\n", [&] {
    EXPECT_EQ(folder.ReadData("score.log"), "old\r\n");
    EXPECT_EQ(folder.ReadData("score.log.tmp"), "new\r\n");
  });
  EXPECT_EQ(folder.ReadData("score.log"), "new\r\n");
  EXPECT_FALSE(std::filesystem::exists(temp));

  // Stopped there, the old file stays and the half-done save is cleared away.
  struct Crash {};
  EXPECT_THROW(shell::ReplaceFile(path, "lost\r\n", [] { throw Crash{}; }), Crash);
  EXPECT_EQ(folder.ReadData("score.log"), "new\r\n");
  EXPECT_FALSE(std::filesystem::exists(temp));

#ifndef _WIN32  // Windows has no device that is always full.
  // A full disk fails the save, named by the file it was for.
  std::filesystem::create_symlink("/dev/full", temp);
  EXPECT_EQ(ErrorOf([&] { shell::ReplaceFile(path, "full\r\n"); }), "ﾌｧｲﾙ " + path + " を作成できません");
  EXPECT_EQ(folder.ReadData("score.log"), "new\r\n");
  EXPECT_FALSE(std::filesystem::is_symlink(temp));
#endif
}

TEST(StateFiles, TopAndLeftAreClampedOnlyAtTheFarEdgeOfTheScreen) {
  struct Case {
    const char* top;
    const char* left;
    platform::Point placed;
  };
  // The screen is 1024 x 768: the far limits are top 288 and left 384.
  const Case cases[] = {
      {"288", "384", {384, 288}},  {"289", "385", {384, 288}},         {"-50", "-50", {-50, -50}},
      {"0", "0", {0, 0}},          {"2147483647", "2147483647", {384, 288}},
  };
  for (const Case& c : cases) {
    Folder f(std::string(c.top) + "\r\n" + c.left + "\r\n1\r\n");
    Player player(f.folder);
    EXPECT_EQ(player.GamePosition(), c.placed) << c.top << ", " << c.left;
    player.StartGame();
    player.Frames(1);
    EXPECT_EQ(player.GamePosition(), c.placed) << c.top << ", " << c.left;
    EXPECT_EQ(player.Game().Window.WindowRect, (platform::Rect{c.placed.x, c.placed.y, c.placed.x + 640, c.placed.y + 480}));
    EXPECT_TRUE(player.backend.boxes.Shown().empty());
  }

  // On a screen smaller than the game the window stands off the near edge.
  Folder small("0\r\n0\r\n1\r\n");
  Player player(small.folder, {600, 400});
  EXPECT_EQ(player.GamePosition(), (platform::Point{-40, -80}));
}

TEST(StateFiles, OnlyDisplayModeZeroIsFullScreen) {
  for (const char* mode : {"1", "2", "-1", "0"}) {
    Folder f(std::string("10\r\n20\r\n") + mode + "\r\n");
    Player player(f.folder);
    player.StartGame();
    player.Frames(1);
    const bool full = std::string(mode) == "0";
    EXPECT_EQ(player.Game().Window.FullScreen, full ? 1 : 0) << mode;
    EXPECT_EQ(player.backend.video.FullScreen(), full) << mode;
    EXPECT_EQ(player.Game().Window.RestoreFullScreen, full ? 1 : 0) << mode;
  }
}

TEST(StateFiles, QuittingWritesThePositionAndModeOfTheTableWithExtraLinesKept) {
  // Windowed: the window's own place, and "1"; the size and the scores.
  {
    Folder f("10\n20\n2\nnote\n");
    f.folder.WriteData("score.log", "1\r\n2\r\n3\r\n4\r\nbest of 2026");
    Player player(f.folder);
    player.StartGame();
    player.Frames(1);
    player.Click(Player::kSizeLabelX[2], 230);
    player.State().HighScore[3] = 4321;
    player.Key(27);
    ASSERT_TRUE(player.Ended());
    EXPECT_EQ(f.folder.ReadData("win_state.log"), "10\r\n20\r\n1\r\nnote\r\n");
    EXPECT_EQ(f.folder.ReadData("select_game.log"), "2\r\n");
    EXPECT_EQ(f.folder.ReadData("score.log"), "1\r\n2\r\n3\r\n4321\r\nbest of 2026\r\n");
  }
  // Full screen entered in the game: the place it was entered from, and "0",
  // though the window system put the window elsewhere meanwhile.
  {
    Folder f("50\r\n100\r\n1\r\n");
    Player player(f.folder);
    player.StartGame();
    player.Click(590, 12);
    ASSERT_TRUE(player.backend.video.FullScreen());
    player.Game().MoveTo(0, 0);
    player.Frames(1);
    player.Key(27);
    EXPECT_EQ(f.folder.ReadData("win_state.log"), "50\r\n100\r\n0\r\n");
  }
  // Full screen from the file: the place the file gave.
  {
    Folder f("7\r\n-8\r\n0\r\n");
    Player player(f.folder);
    player.StartGame();
    player.Game().MoveTo(0, 0);
    player.Frames(1);
    player.Key(27);
    EXPECT_EQ(f.folder.ReadData("win_state.log"), "7\r\n-8\r\n0\r\n");
  }
}

TEST(StateFiles, AMissingWinStateGivesItsMessageAndTheDefaultsAndLeavesTheUnreadFilesAlone) {
  GameFolder folder;
  std::filesystem::remove(folder.Data("win_state.log"));
  folder.WriteData("select_game.log", "3\r\n");
  folder.WriteData("score.log", "500\r\n600\r\n700\r\n800\r\n");
  Player player(folder);
  ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(player.backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(BoxText(player, 0), "ﾌｧｲﾙ " + folder.Data("win_state.log").string() + " は開けません");
  EXPECT_TRUE(player.Dialog().Visible());

  player.StartGame();
  player.Frames(1);
  EXPECT_EQ(player.GamePosition(), (platform::Point{226, 123}));
  EXPECT_FALSE(player.backend.video.FullScreen());
  EXPECT_EQ(player.State().SizeIndex, 0);
  for (int32_t score : player.State().HighScore) EXPECT_EQ(score, 0);

  // The scores were never read, so the zeros shown are not written over them;
  // the missing file is made with what the game knows.
  player.Key(27);
  ASSERT_TRUE(player.Ended());
  EXPECT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(folder.ReadData("win_state.log"), "123\r\n226\r\n1\r\n");
  EXPECT_EQ(folder.ReadData("select_game.log"), "3\r\n");
  EXPECT_EQ(folder.ReadData("score.log"), "500\r\n600\r\n700\r\n800\r\n");
}

TEST(StateFiles, ReadingStopsAtTheFirstBadLineWithItsMessage) {
  // A line that is no number: the top before it is applied, nothing after.
  {
    Folder f("40\r\nabc\r\n0\r\n");
    Player player(f.folder);
    ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
    EXPECT_EQ(BoxText(player, 0), "'abc' は数値ではありません");
    EXPECT_EQ(player.GamePosition(), (platform::Point{226, 40}));
    EXPECT_EQ(player.Game().Window.FullScreen, 0);
  }
  // A short list: the line asked for is named; the lines before it count.
  {
    GameFolder folder;
    folder.WriteData("score.log", "11\r\n22\r\n33");
    Player player(folder);
    ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
    EXPECT_EQ(BoxText(player, 0), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (3)");
    EXPECT_EQ(player.State().HighScore[2], 33);
    player.StartGame();
    player.State().HighScore[3] = 9;
    player.Key(27);
    // Padded, so the score of the fourth size is kept this time.
    EXPECT_EQ(folder.ReadData("score.log"), "11\r\n22\r\n33\r\n9\r\n");
  }
  // A score.log that is there but unreadable is not replaced at quit.
  {
    GameFolder folder;
    std::filesystem::remove(folder.Data("score.log"));
    std::filesystem::create_directory(folder.Data("score.log"));
    Player player(folder);
    EXPECT_EQ(BoxText(player, 0), "ﾌｧｲﾙ " + folder.Data("score.log").string() + " は開けません");
    player.StartGame();
    player.Key(27);
    EXPECT_TRUE(player.Ended());
    EXPECT_EQ(player.backend.boxes.Shown().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Data("score.log")));
  }
  // An empty select_game.log stops before the scores, which stay unwritten.
  {
    GameFolder folder;
    folder.WriteData("select_game.log", "");
    folder.WriteData("score.log", "5\r\n6\r\n7\r\n8\r\n");
    Player player(folder);
    EXPECT_EQ(BoxText(player, 0), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)");
    player.StartGame();
    player.Key(27);
    EXPECT_EQ(folder.ReadData("select_game.log"), "0\r\n");
    EXPECT_EQ(folder.ReadData("score.log"), "5\r\n6\r\n7\r\n8\r\n");
  }
}

TEST(StateFiles, HighScoresTheSizeAndTheDraggedPlaceSurviveAQuitAndARestart) {
  GameFolder folder;
  {
    Player player(folder);
    player.StartGame();
    player.Frames(1);
    player.Click(Player::kSizeLabelX[1], 230);
    player.State().HighScore[1] = 345;
    player.Press(100, 10);
    player.Frames(1);
    player.backend.windows.SetCursor({226 + 100 + 30, 123 + 10 - 20});
    player.Frames(1);
    player.Release(0, 0);
    EXPECT_EQ(player.GamePosition(), (platform::Point{256, 103}));
    player.Click(615, 12);
    ASSERT_TRUE(player.Ended());
  }
  Player again(folder);
  EXPECT_TRUE(again.backend.boxes.Shown().empty());
  EXPECT_EQ(again.GamePosition(), (platform::Point{256, 103}));
  EXPECT_EQ(again.State().SizeIndex, 1);
  EXPECT_EQ(again.State().HighScore[1], 345);
}

TEST(StateFiles, CancellingWritesNothingWhicheverWayTheDialogIsClosed) {
  for (int way = 0; way < 3; ++way) {
    GameFolder folder;
    std::filesystem::remove(folder.Data("select_game.log"));
    folder.WriteData("win_state.log", "1\n2\n1");
    Player player(folder);
    if (way == 0) {
      player.backend.events.Push({platform::EventType::MouseDown, player.Dialog().Id(), platform::MouseButton::Left, 290, 255, 0, 0});
      player.backend.events.Push({platform::EventType::MouseUp, player.Dialog().Id(), platform::MouseButton::Left, 290, 255, 0, 0});
      player.Frames(2);
    }
    if (way == 1) player.CloseWindow(player.Dialog().Id());
    if (way == 2) player.backend.events.Push({platform::EventType::Quit, 0, platform::MouseButton::Left, 0, 0, 0, 0});
    player.Frames(1);
    EXPECT_TRUE(player.Ended()) << way;
    EXPECT_EQ(folder.ReadData("win_state.log"), "1\n2\n1") << way;
    EXPECT_EQ(folder.ReadData("select_game.log"), "<missing>") << way;
    EXPECT_EQ(player.backend.video.Releases(), 0) << way;
  }
}

TEST(StateFiles, AFileThatCannotBeSavedIsReportedAndTheOthersAndTheQuitGoAhead) {
  GameFolder folder;
  folder.WriteData("score.log", "1\r\n2\r\n3\r\n4\r\n");
  std::filesystem::create_directory(folder.Data("score.log.tmp"));
#ifdef _WIN32
  // Windows has no device that is always full; a folder in the way fails the save too.
  std::filesystem::create_directory(folder.Data("win_state.log.tmp"));
#else
  std::filesystem::create_symlink("/dev/full", folder.Data("win_state.log.tmp"));
#endif
  Player player(folder);
  player.StartGame();
  player.Click(Player::kSizeLabelX[3], 230);
  player.State().HighScore[0] = 99;
  player.Game().MoveTo(300, 200);
  player.Key(27);

  EXPECT_TRUE(player.Ended());
  ASSERT_EQ(player.backend.boxes.Shown().size(), 2u);
  EXPECT_EQ(player.backend.boxes.Shown()[0].caption, "Lumora ver 1.0");
  EXPECT_EQ(BoxText(player, 0), "ﾌｧｲﾙ " + folder.Data("win_state.log").string() + " を作成できません");
  EXPECT_EQ(BoxText(player, 1), "ﾌｧｲﾙ " + folder.Data("score.log").string() + " を作成できません");
  EXPECT_EQ(folder.ReadData("win_state.log"), "123\r\n226\r\n1\r\n");
  EXPECT_EQ(folder.ReadData("select_game.log"), "3\r\n");
  EXPECT_EQ(folder.ReadData("score.log"), "1\r\n2\r\n3\r\n4\r\n");
}

TEST(StringList, AQuotedLongLineIsCutAfter64BytesBetweenCharacters) {
  // 1 + 31 * 2 bytes end at 63; the next character would reach byte 65.
  std::string line = "7";
  for (int i = 0; i < 40; ++i) line += platform::Utf8ToCp932("数");
  const std::string cut = ErrorOf([&line] { shell::StrToInt(line); });
  EXPECT_EQ(cut, "'" + platform::Cp932ToUtf8(line.substr(0, 63)) + "...' は数値ではありません");
  // Exactly 64 bytes are quoted whole.
  const std::string whole(64, 'x');
  EXPECT_EQ(ErrorOf([&whole] { shell::StrToInt(whole); }), "'" + whole + "' は数値ではありません");
}

TEST(StateFiles, AHugeOneLineScoreLogOrAPipeIsReportedInShortAndTheGameGoesOn) {
  GameFolder folder;
  folder.WriteData("score.log", std::string(8 << 20, '9'));
  Player player(folder);
  ASSERT_EQ(player.backend.boxes.Shown().size(), 1u);
  EXPECT_EQ(BoxText(player, 0), "'" + std::string(64, '9') + "...' は数値ではありません");
  player.StartGame();
  player.Frames(2);
  player.Key(27);
  EXPECT_TRUE(player.Ended());

#ifndef _WIN32  // Windows has no pipes in its file system.
  // A pipe with no writer would keep the reader waiting for ever.
  GameFolder piped;
  std::filesystem::remove(piped.Data("score.log"));
  ASSERT_EQ(mkfifo(piped.Data("score.log").c_str(), 0600), 0);
  Player waiting(piped);
  EXPECT_EQ(BoxText(waiting, 0), "ﾌｧｲﾙ " + piped.Data("score.log").string() + " は開けません");
#endif
}
