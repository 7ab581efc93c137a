#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <thread>

#include "frame_check.h"
#include "platform/folder_lock.h"

using Records = std::array<int32_t, 4>;

namespace {

std::string ScoreText(const Records& r) {
  std::string text;
  for (int32_t score : r) text += std::to_string(score) + "\r\n";
  return text;
}

}  // namespace

TEST(SecondCopy, QuittingKeepsEachSizesBetterRecordOfTheGameAndTheFileOnDisk) {
  struct Case {
    const char* name;
    Records ours;
    const char* onDisk;  // nullptr: no file
    Records saved;
  };
  const Case cases[] = {
      {"disk better", {100, 0, 700, 0}, "285\r\n0\r\n900\r\n5\r\n", {285, 0, 900, 5}},
      {"ours better", {400, 800, 20, 3000}, "285\r\n500\r\n10\r\n2999\r\n", {400, 800, 20, 3000}},
      {"bad file", {7, 8, 9, 10}, "abc\r\n900\r\n900\r\n900\r\n", {7, 8, 9, 10}},
      {"bad after the first line", {7, 8, 9, 10}, "600\r\n9x\r\n900\r\n900\r\n", {600, 8, 9, 10}},
      {"missing file", {7, 8, 9, 10}, nullptr, {7, 8, 9, 10}},
  };
  for (const Case& c : cases) {
    GameFolder folder;
    Player player(folder);
    player.StartGame();
    player.Frames(1);
    for (int i = 0; i < 4; ++i) player.State().HighScore[i] = c.ours[i];
    // Another copy saved, or its file went, while this one ran.
    if (c.onDisk != nullptr) folder.WriteData("score.log", c.onDisk);
    else std::filesystem::remove(folder.Data("score.log"));
    player.Key(27);
    ASSERT_TRUE(player.Ended()) << c.name;
    EXPECT_TRUE(player.backend.boxes.Shown().empty()) << c.name;
    EXPECT_EQ(folder.ReadData("score.log"), ScoreText(c.saved)) << c.name;
  }
}

TEST(SecondCopy, AQuitWaitsForTheCopyThatIsSavingAndKeepsWhatItSaved) {
  GameFolder folder;
  Player player(folder);
  player.StartGame();
  player.Frames(1);
  player.State().HighScore[1] = 50;
  // The other copy holds the lock from before this one quits until its
  // record is on disk.
  auto holder = std::make_unique<platform::FolderLock>(folder.Data("").string());
  ASSERT_TRUE(holder->Held());
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    folder.WriteData("score.log", "0\r\n90\r\n0\r\n0\r\n");
    holder.reset();
  });
  player.Key(27);
  other.join();
  EXPECT_EQ(folder.ReadData("score.log"), "0\r\n90\r\n0\r\n0\r\n");
}

TEST(FolderLock, ASecondTakerWaitsItsPatienceAndThenGoesOnWithoutIt) {
  GameFolder folder;
  const std::string data = folder.Data("").string();
  {
    const platform::FolderLock held(data);
    ASSERT_TRUE(held.Held());
    const auto start = std::chrono::steady_clock::now();
    const platform::FolderLock refused(data, std::chrono::milliseconds(100));
    EXPECT_FALSE(refused.Held());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  }
  EXPECT_TRUE(platform::FolderLock(data, std::chrono::milliseconds(0)).Held());
  EXPECT_FALSE(platform::FolderLock(data + "missing/").Held());
}

TEST(SecondCopy, ARecordAnotherCopySavedReachesTheTitleAndALowerOneChangesNothing) {
  GameFolder folder;
  folder.WriteData("score.log", "100\r\n200\r\n0\r\n0\r\n");
  Player player(folder);
  player.StartGame();
  player.Frames(1);
  const auto saved = [&](const char* text) {
    folder.WriteData("score.log", text);
    player.backend.events.Push({platform::EventType::StateSaved});
    // The turn that takes the news, and the frame after it.
    player.Frames(2);
  };
  FrameCheck frame{player};
  saved("285\r\n150\r\n40\r\n0\r\n");
  EXPECT_TRUE(frame.ShowsText(380, 260, "285", {255, 255, 255}, {10, 10, 10}));
  EXPECT_EQ((Records{player.State().HighScore[0], player.State().HighScore[1], player.State().HighScore[2],
                     player.State().HighScore[3]}),
            (Records{285, 200, 40, 0}));
  // A bad file tells nothing, and shows no box in the middle of play.
  saved("oops\r\n");
  saved("");
  EXPECT_EQ(player.State().HighScore[0], 285);
  EXPECT_TRUE(player.backend.boxes.Shown().empty());
}
