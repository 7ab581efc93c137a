#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "player.h"

namespace {

struct Sound : ::testing::Test {
  Player player;
  void SetUp() override {
    player.StartGame();
    player.Frames(1);
  }
  const std::vector<std::string>& Played() { return player.backend.sound.Played(); }
  std::string Click() const { return (player.folder.Root() / "WAVE" / "push_on.wav").string(); }
  void ClickCell(int c, int r) { player.Click(130 + 20 * c + 10, 50 + 20 * r + 10); }
};

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int RunDefaultData(const std::filesystem::path& data) {
  const std::string command = std::string("\"") + LUMORA_CMAKE + "\" -DDATA_DIR=\"" + data.string() + "\" -P \"" +
                              LUMORA_DEFAULT_DATA + "\"";
  return std::system(command.c_str());
}

}  // namespace

TEST_F(Sound, EveryToggleClicksOnceAndNothingElseDoes) {
  // On the title screen the size labels and the start button are silent.
  player.Click(280, 230);
  player.StartBoard();
  EXPECT_TRUE(Played().empty());

  ClickCell(8, 8);
  player.Frames(1);
  ClickCell(8, 8);
  player.Frames(1);
  ClickCell(9, 10);
  player.Frames(1);
  ASSERT_EQ(Played().size(), 3u);
  for (const auto& path : Played()) EXPECT_EQ(path, Click());

  // Hints, the menu and its items, and the strip make no sound.
  player.Press(300, 300, platform::MouseButton::Right);
  player.Frames(2);
  player.Release(300, 300, platform::MouseButton::Right);
  player.Click(590, 45);
  player.Frames(1);
  ClickCell(10, 10);
  player.Click(425, 175);
  player.Frames(1);
  EXPECT_EQ(Played().size(), 3u);
  EXPECT_EQ(player.State().Board[10][10].On, 0) << "the menu took the press";
}

TEST_F(Sound, MissingWaveLeavesTheGameWorking) {
  std::filesystem::remove_all(player.folder.Root() / "WAVE");
  const size_t boxes = player.backend.boxes.Shown().size();
  player.StartBoard();
  ClickCell(8, 8);
  player.Frames(2);
  EXPECT_EQ(player.State().Board[8][8].On, 1);
  EXPECT_EQ(player.State().LitCount, 1);
  ASSERT_EQ(Played().size(), 1u);
  EXPECT_EQ(Played()[0], Click());
  EXPECT_EQ(player.backend.boxes.Shown().size(), boxes) << "silence, with no message";
}

TEST(DefaultData, FirstRunFilesAreWrittenOnceAndNeverOverwritten) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the build's CMake script, which is for the Linux host";
#endif
  GameFolder folder;
  const auto data = folder.Root() / "DATA";
  ASSERT_EQ(RunDefaultData(data), 0);
  EXPECT_EQ(Contents(data / "win_state.log"), "123\r\n226\r\n1\r\n");
  EXPECT_EQ(Contents(data / "select_game.log"), "0\r\n");
  EXPECT_EQ(Contents(data / "score.log"), "0\r\n0\r\n0\r\n0\r\n");

  std::ofstream(data / "score.log", std::ios::binary) << "10\r\n20\r\n30\r\n40\r\n";
  std::filesystem::remove(data / "select_game.log");
  ASSERT_EQ(RunDefaultData(data), 0);
  EXPECT_EQ(Contents(data / "score.log"), "10\r\n20\r\n30\r\n40\r\n");
  EXPECT_EQ(Contents(data / "select_game.log"), "0\r\n");
  EXPECT_EQ(Contents(data / "win_state.log"), "123\r\n226\r\n1\r\n");
}
