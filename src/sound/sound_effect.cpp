#include "sound/sound_effect.h"

#include "platform/sound.h"

namespace sound {

void PlaySoundEffect(platform::SoundService& player, const std::string& wavePath, const std::string& name) {
  player.PlayAsync(wavePath + name + ".wav");
}

}  // namespace sound
