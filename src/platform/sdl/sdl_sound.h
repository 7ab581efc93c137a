#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace platform::sdl {

// One sound at a time through SDL's queued audio. The device opens at the
// first sound; with no audio at all every sound is silent.
class SdlSound : public SoundService {
 public:
  SdlSound() = default;
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Any call cuts off the sound still playing, even one whose file fails.
  void PlayAsync(const std::string& path) override;

  // The device's sample format, once it is open.
  bool DeviceOpen() const { return device_ != 0; }
  int32_t DeviceRate() const { return rate_; }
  int32_t DeviceChannels() const { return channels_; }
  int32_t DeviceBytesPerSample() const { return bytesPerSample_; }
  // Bytes still waiting to be played.
  uint32_t QueuedBytes() const;

 private:
  bool OpenDevice();

  bool tried_ = false;
  bool audioStarted_ = false;
  uint32_t device_ = 0;
  uint16_t format_ = 0;
  int32_t rate_ = 0;
  int32_t channels_ = 0;
  int32_t bytesPerSample_ = 0;
  // Reused between sounds for the conversion to the device's format.
  std::vector<uint8_t> converted_;
};

}  // namespace platform::sdl
