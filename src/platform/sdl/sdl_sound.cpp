#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <cstring>

namespace platform::sdl {

namespace {
// ALSA reports a machine without a sound card on stderr as SDL probes it;
// no audio is meant to be silent.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

SdlSound::~SdlSound() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::OpenDevice() {
  if (tried_) return device_ != 0;
  tried_ = true;
  snd_lib_error_set_handler(QuietAlsa);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  audioStarted_ = true;
  SDL_AudioSpec want{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  SDL_AudioSpec have{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (device_ == 0) return false;
  format_ = have.format;
  rate_ = have.freq;
  channels_ = have.channels;
  bytesPerSample_ = SDL_AUDIO_BITSIZE(have.format) / 8;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlSound::PlayAsync(const std::string& path) {
  if (!OpenDevice()) return;
  SDL_ClearQueuedAudio(device_);
  SDL_AudioSpec wanted{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &wanted, &samples, &length) == nullptr) return;
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
}

uint32_t SdlSound::QueuedBytes() const { return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0; }

}  // namespace platform::sdl
