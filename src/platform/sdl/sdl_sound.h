#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound.h"

namespace platform::sdl {

// One sound at a time through SDL's queued audio. The device opens at a
// sound and closes once it has had nothing to play for kHoldMs: an open
// device, even paused, keeps SDL's audio thread feeding the sound server
// silence, hundreds of wake-ups a second. With no audio at all every sound
// is silent.
class SdlSound : public SoundService {
 public:
  // Long enough that a player's run of clicks keeps one device.
  static constexpr uint64_t kHoldMs = 500;

  SdlSound() = default;
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Any call cuts off the sound still playing, even one whose file fails.
  void PlayAsync(const std::string& path) override;
  // Closes the device once its queue has stayed dry for kHoldMs.
  void Settle() override;

  // The device's sample format, kept from the last time it was open.
  bool DeviceOpen() const { return device_ != 0; }
  int32_t DeviceRate() const { return rate_; }
  int32_t DeviceChannels() const { return channels_; }
  int32_t DeviceBytesPerSample() const { return bytesPerSample_; }
  // Bytes still waiting to be played.
  uint32_t QueuedBytes() const;

 private:
  bool OpenDevice();
  void CloseDevice();
  void WaitForCloser();

  bool audioStarted_ = false;
  bool gaveUp_ = false;
  uint32_t device_ = 0;
  uint16_t format_ = 0;
  int32_t rate_ = 0;
  int32_t channels_ = 0;
  int32_t bytesPerSample_ = 0;
  // When Settle first found the queue empty, in SDL's milliseconds.
  std::optional<uint64_t> drySince_;
  // Closing waits for SDL's audio thread to drain and end, some 60 ms, so
  // it is done off the game's thread.
  std::thread closer_;
  // Reused between sounds for the conversion to the device's format.
  std::vector<uint8_t> converted_;
};

}  // namespace platform::sdl
