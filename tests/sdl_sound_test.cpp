#include <gtest/gtest.h>

#include <chrono>
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

  // The device plays on while the test runs, and a busy machine may hold
  // the test up for a while: what has played by then is allowed for.
  using Clock = std::chrono::steady_clock;
  auto secondsSince = [](Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  Clock::time_point start = Clock::now();
  sound.PlayAsync(longSound);
  ASSERT_TRUE(sound.DeviceOpen());
  // Converted to the device's rate and channels, less what already played.
  double queued = sound.QueuedBytes();
  double played = secondsSince(start);
  EXPECT_LE(queued, DeviceBytes(sound, 2.0));
  if (played < 1.0) {
    EXPECT_GT(queued, DeviceBytes(sound, 1.5 - played));
  }

  start = Clock::now();
  sound.PlayAsync(shortSound);
  queued = sound.QueuedBytes();
  played = secondsSince(start);
  EXPECT_LE(queued, DeviceBytes(sound, 0.25));
  if (played < 0.1) {
    EXPECT_GT(queued, DeviceBytes(sound, 0.15 - played));
  }
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
