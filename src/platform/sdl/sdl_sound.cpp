#include "platform/sdl/sdl_sound.h"

#include <SDL.h>

#include <cstring>
#include <system_error>

#include "platform/sdl/native_system.h"

namespace platform::sdl {

SdlSound::~SdlSound() {
  WaitForCloser();
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::OpenDevice() {
  if (device_ != 0) return true;
  if (gaveUp_) return false;
  // SDL's device list is not to be touched while the last device closes.
  WaitForCloser();
  if (!audioStarted_) {
    QuietSoundLibrary();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      gaveUp_ = true;
      return false;
    }
    audioStarted_ = true;
  }
  SDL_AudioSpec want{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  SDL_AudioSpec have{};
  // It opens paused, and stays so until a sound is queued whole.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (device_ == 0) {
    gaveUp_ = true;
    return false;
  }
  format_ = have.format;
  rate_ = have.freq;
  channels_ = have.channels;
  bytesPerSample_ = SDL_AUDIO_BITSIZE(have.format) / 8;
  return true;
}

void SdlSound::CloseDevice() {
  WaitForCloser();
  const uint32_t device = device_;
  device_ = 0;
  drySince_.reset();
  try {
    closer_ = std::thread([device] { SDL_CloseAudioDevice(device); });
  } catch (const std::system_error&) {
    SDL_CloseAudioDevice(device);
  }
}

void SdlSound::WaitForCloser() {
  if (closer_.joinable()) closer_.join();
}

void SdlSound::Settle() {
  if (device_ == 0) return;
  if (SDL_GetQueuedAudioSize(device_) != 0) {
    drySince_.reset();
    return;
  }
  const uint64_t now = SDL_GetTicks64();
  if (!drySince_) drySince_ = now;
  if (now - *drySince_ >= kHoldMs) CloseDevice();
}

void SdlSound::PlayAsync(const std::string& path) {
  if (device_ != 0) SDL_ClearQueuedAudio(device_);
  drySince_.reset();
  if (gaveUp_) return;
  SDL_AudioSpec wanted{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &wanted, &samples, &length) == nullptr) return;
  if (!OpenDevice()) {
    SDL_FreeWAV(samples);
    return;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, wanted.format, wanted.channels, wanted.freq, format_, static_cast<Uint8>(channels_),
                        rate_) < 0) {
    SDL_FreeWAV(samples);
    return;
  }
  const Uint8* data = samples;
  Uint32 size = length;
  if (cvt.needed != 0) {
    converted_.resize(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
    std::memcpy(converted_.data(), samples, length);
    cvt.buf = converted_.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) {
      SDL_FreeWAV(samples);
      return;
    }
    data = converted_.data();
    size = static_cast<Uint32>(cvt.len_cvt);
  }
  SDL_QueueAudio(device_, data, size);
  SDL_FreeWAV(samples);
  // A device just opened starts only now, with the whole sound waiting: the
  // first period it plays is the sound's start, not silence ahead of it.
  SDL_PauseAudioDevice(device_, 0);
}

uint32_t SdlSound::QueuedBytes() const { return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0; }

}  // namespace platform::sdl
