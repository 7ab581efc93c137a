#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bitmap_writer.h"
#include "platform/draw/color.h"

// Test pictures that tell every place apart: the backdrop a smooth gradient,
// the two keyed sheets patterns with black holes.
inline platform::Rgb BackPixel(int32_t x, int32_t y) {
  return {static_cast<uint8_t>(x * 255 / 639), static_cast<uint8_t>(y * 255 / 479), static_cast<uint8_t>((x + y) & 0xF8)};
}
inline platform::Rgb EffectPixel(int32_t x, int32_t y) {
  if ((x / 10 + y / 10) % 3 == 0) return {0, 0, 0};
  return {static_cast<uint8_t>(200 - y), static_cast<uint8_t>(x % 256), 120};
}
inline platform::Rgb SpritePixel(int32_t x, int32_t y) {
  if (x % 20 < 3 || y % 20 < 3) return {0, 0, 0};
  return {static_cast<uint8_t>(x * 2 + 40), 200, static_cast<uint8_t>(y * 2 + 40)};
}

// A game folder of its own for each test: the executable's place with IMAGE/
// holding the three sheets, an empty WAVE/, and DATA/ with the state files as
// the game is installed.
class GameFolder {
 public:
  // Installed instead: the executable in bin/, IMAGE/ and WAVE/ in
  // share/lumora/, and no DATA/.
  enum class Layout { Portable, Installed };

  explicit GameFolder(Layout layout = Layout::Portable) {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    exeFolder_ = artFolder_ = root_;
    if (layout == Layout::Installed) {
      exeFolder_ = root_ / "bin";
      artFolder_ = root_ / "share/lumora";
      std::filesystem::create_directories(exeFolder_);
    }
    std::filesystem::create_directories(artFolder_ / "IMAGE");
    std::filesystem::create_directories(artFolder_ / "WAVE");
    WriteBitmap(Image("Back.dat"), 640, 480, BackPixel);
    WriteBitmap(Image("Effect.dat"), 640, 200, EffectPixel);
    WriteBitmap(Image("Sprite.dat"), 100, 100, SpritePixel);
    if (layout == Layout::Installed) return;
    std::filesystem::create_directories(root_ / "DATA");
    WriteData("win_state.log", "123\r\n226\r\n1\r\n");
    WriteData("select_game.log", "0\r\n");
    WriteData("score.log", "0\r\n0\r\n0\r\n0\r\n");
  }
  ~GameFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::string Exe() const { return (exeFolder_ / "lumora").string(); }
  std::filesystem::path Image(const std::string& name) const { return artFolder_ / "IMAGE" / name; }
  std::filesystem::path Data(const std::string& name) const { return root_ / "DATA" / name; }

  void WriteData(const std::string& name, const std::string& bytes) const {
    std::ofstream(Data(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  // The file's bytes; "<missing>" when there is none.
  std::string ReadData(const std::string& name) const {
    std::ifstream in(Data(name), std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path root_;
  std::filesystem::path exeFolder_;
  std::filesystem::path artFolder_;
};
