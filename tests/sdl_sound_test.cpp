#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "platform/sdl/sdl_sound.h"

namespace {

// A mono 8-bit wave of `seconds` at 22050 Hz, so that every sound needs
// converting to the device's format. CTest runs the tests side by side, so
// each names its files apart.
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

// A wave already in the format the device is asked for (44100 Hz, 16-bit
// stereo), so that what the device plays can be matched byte for byte. No
// sample is zero, which is silence.
struct MarkedWave {
  std::string path;
  std::string data;
};
MarkedWave WriteMarkedWave(const std::string& name, double seconds) {
  MarkedWave wave{(std::filesystem::path(testing::TempDir()) / name).string(), {}};
  const auto frames = static_cast<uint32_t>(seconds * 44100);
  for (uint32_t i = 0; i < 2 * frames; ++i) {
    const auto sample = static_cast<int16_t>(1 + i % 30000);
    wave.data.append(reinterpret_cast<const char*>(&sample), 2);
  }
  std::ofstream out(wave.path, std::ios::binary);
  auto u32 = [&out](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const auto size = static_cast<uint32_t>(wave.data.size());
  out.write("RIFF", 4);
  u32(36 + size);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(2);
  u32(44100);
  u32(44100 * 4);
  u16(4);
  u16(16);
  out.write("data", 4);
  u32(size);
  out.write(wave.data.data(), size);
  return wave;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Clock = std::chrono::steady_clock;

// Settles the sound, as the message loop does, until `done` holds or the
// deadline passes; false when it passed.
template <typename Done>
bool SettleUntil(platform::sdl::SdlSound& sound, Done done, double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (;;) {
    sound.Settle();
    if (done()) return true;
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// The dummy driver plays into nothing, at the pace of a real device; the
// disk driver writes what it plays to a file, at the same pace.
class SdlSoundTest : public testing::Test {
 protected:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  static double DeviceBytes(const platform::sdl::SdlSound& sound, double seconds) {
    return seconds * sound.DeviceRate() * sound.DeviceChannels() * sound.DeviceBytesPerSample();
  }
};

}  // namespace

TEST_F(SdlSoundTest, ANewSoundCutsOffTheOnePlayingInsteadOfQueueingAfterIt) {
  const std::string longSound = WriteWave("cut-off-long.wav", 10.0);
  const std::string shortSound = WriteWave("cut-off-short.wav", 0.25);
  platform::sdl::SdlSound sound;
  EXPECT_FALSE(sound.DeviceOpen());

  sound.PlayAsync(longSound);
  ASSERT_TRUE(sound.DeviceOpen());
  // Converted to the device's rate and channels, eight times the file's
  // bytes; no machine is so busy that half of it plays before this look.
  const double queued = sound.QueuedBytes();
  EXPECT_LE(queued, DeviceBytes(sound, 10.0));
  EXPECT_GT(queued, DeviceBytes(sound, 5.0));

  sound.PlayAsync(shortSound);
  EXPECT_LE(sound.QueuedBytes(), DeviceBytes(sound, 0.25));
  // Queued after the rest of the long one it would play for 10 s more.
  EXPECT_TRUE(SettleUntil(sound, [&sound] { return sound.QueuedBytes() == 0; }, 5.0));
}

TEST_F(SdlSoundTest, TheDeviceClosesOnceItsQueueHasStayedDryForTheHold) {
  const std::string click = WriteWave("hold-click.wav", 0.1);
  platform::sdl::SdlSound sound;
  sound.PlayAsync(click);
  ASSERT_TRUE(sound.DeviceOpen());

  std::optional<Clock::time_point> dryAt;
  const bool closed = SettleUntil(
      sound,
      [&] {
        if (!sound.DeviceOpen()) return true;
        if (!dryAt && sound.QueuedBytes() == 0) dryAt = Clock::now();
        return false;
      },
      10.0);
  ASSERT_TRUE(closed) << "still open 10 s after a sound of 0.1 s";
  ASSERT_TRUE(dryAt.has_value()) << "closed the moment its queue ran dry, or sooner";
  // SDL counts whole milliseconds on a clock of its own.
  EXPECT_GE(Clock::now() - *dryAt, std::chrono::milliseconds(platform::sdl::SdlSound::kHoldMs - 2));
  EXPECT_EQ(sound.QueuedBytes(), 0u);
}

TEST_F(SdlSoundTest, EachSoundPlaysWholeFromItsFirstSampleWhenTheDeviceOpensForIt) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  const MarkedWave wave = WriteMarkedWave("marked.wav", 0.2);
  // The disk device writes a new file each time it opens: one for the first
  // sound, one for the sound after the device closed.
  const std::string played[2] = {(std::filesystem::path(testing::TempDir()) / "played-first.raw").string(),
                                 (std::filesystem::path(testing::TempDir()) / "played-again.raw").string()};
  {
    platform::sdl::SdlSound sound;
    for (const std::string& file : played) {
      setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
      sound.PlayAsync(wave.path);
      ASSERT_TRUE(sound.DeviceOpen());
      ASSERT_EQ(sound.DeviceRate(), 44100);
      ASSERT_EQ(sound.DeviceChannels(), 2);
      ASSERT_EQ(sound.DeviceBytesPerSample(), 2);
      ASSERT_TRUE(SettleUntil(sound, [&sound] { return !sound.DeviceOpen(); }, 10.0));
    }
  }  // the last file is whole once the sound has gone

  for (const std::string& file : played) {
    const std::string out = Contents(file);
    const auto at = std::search(out.begin(), out.end(), wave.data.begin(), wave.data.end());
    ASSERT_NE(at, out.end()) << file << " does not hold the sound whole";
    const auto silent = [](char byte) { return byte == 0; };
    EXPECT_TRUE(std::all_of(out.begin(), at, silent)) << file << ": something played before the sound's start";
    EXPECT_TRUE(std::all_of(at + static_cast<std::ptrdiff_t>(wave.data.size()), out.end(), silent)) << file;
  }
}

TEST_F(SdlSoundTest, MissingOrBrokenFileIsSilentAndStopsTheSoundPlaying) {
  const std::string longSound = WriteWave("broken-long.wav", 2.0);
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
  const std::string longSound = WriteWave("no-device-long.wav", 0.5);
  platform::sdl::SdlSound sound;
  testing::internal::CaptureStderr();
  sound.PlayAsync(longSound);
  sound.PlayAsync(longSound);
  EXPECT_FALSE(sound.DeviceOpen());
  EXPECT_EQ(sound.QueuedBytes(), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
