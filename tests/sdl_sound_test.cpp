#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sdl/sdl_sound.h"

namespace {

// A mono 8-bit wave of `seconds` at 22050 Hz, so that every sound needs
// converting to the device's format.
std::string WriteWave(const std::string& name, double seconds) {
  const std::string path = (std::filesystem::path(testing::TempDir()) / name).string();
  const uint32_t rate = 22050;
  const auto samples = static_cast<uint32_t>(seconds * rate);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&out](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + samples);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);
  u32(rate);
  u32(rate);
  u16(1);
  u16(8);
  out.write("data", 4);
  u32(samples);
  for (uint32_t i = 0; i < samples; ++i) out.put(static_cast<char>(128 + ((i / 25) % 2 ? 60 : -60)));
  return path;
}

// The dummy driver plays into nothing, at the pace of a real device.
class SdlSoundTest : public testing::Test {
 protected:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  static double DeviceBytes(const platform::sdl::SdlSound& sound, double seconds) {
    return seconds * sound.DeviceRate() * sound.DeviceChannels() * sound.DeviceBytesPerSample();
  }
};

}  // namespace

TEST_F(SdlSoundTest, ANewSoundCutsOffTheOnePlayingInsteadOfQueueingAfterIt) {
  const std::string longSound = WriteWave("long.wav", 2.0);
  const std::string shortSound = WriteWave("short.wav", 0.25);
  platform::sdl::SdlSound sound;
  EXPECT_FALSE(sound.DeviceOpen());

  sound.PlayAsync(longSound);
  ASSERT_TRUE(sound.DeviceOpen());
  // Converted to the device's rate and channels, less what already played.
  EXPECT_LE(sound.QueuedBytes(), DeviceBytes(sound, 2.0));
  EXPECT_GT(sound.QueuedBytes(), DeviceBytes(sound, 1.5));

  sound.PlayAsync(shortSound);
  EXPECT_LE(sound.QueuedBytes(), DeviceBytes(sound, 0.25));
  EXPECT_GT(sound.QueuedBytes(), DeviceBytes(sound, 0.1));
}

TEST_F(SdlSoundTest, MissingOrBrokenFileIsSilentAndStopsTheSoundPlaying) {
  const std::string longSound = WriteWave("long.wav", 2.0);
  const std::string broken = (std::filesystem::path(testing::TempDir()) / "broken.wav").string();
  std::ofstream(broken) << "RIFF, but not a wave";
  platform::sdl::SdlSound sound;

  testing::internal::CaptureStderr();
  sound.PlayAsync(longSound);
  ASSERT_GT(sound.QueuedBytes(), 0u);
  sound.PlayAsync(broken);
  EXPECT_EQ(sound.QueuedBytes(), 0u);
  sound.PlayAsync(longSound);
  sound.PlayAsync(testing::TempDir() + "no such sound.wav");
  EXPECT_EQ(sound.QueuedBytes(), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SdlSoundTest, WithoutAnAudioDeviceEverySoundIsSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  const std::string longSound = WriteWave("long.wav", 0.5);
  platform::sdl::SdlSound sound;
  testing::internal::CaptureStderr();
  sound.PlayAsync(longSound);
  sound.PlayAsync(longSound);
  EXPECT_FALSE(sound.DeviceOpen());
  EXPECT_EQ(sound.QueuedBytes(), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
