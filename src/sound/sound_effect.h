#pragma once

#include <string>

namespace platform {
class SoundService;
}

namespace sound {

// Starts WAVE/<name>.wav without waiting; silent when the file is missing.
void PlaySoundEffect(platform::SoundService& player, const std::string& wavePath, const std::string& name);

}  // namespace sound
