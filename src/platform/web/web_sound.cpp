#include "platform/web/web_sound.h"

#include <emscripten.h>

#include "platform/bitmap/bitmap_file.h"

EM_JS(void, page_start_audio, (), {
  const page = Module.lumoraPage;
  page.sounds = {};
  page.played = 0;
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  page.audio = new Context();
  const pressed = page.firstPress;
  page.firstPress = () => {
    if (page.audio.state == "suspended") page.audio.resume().catch(() => {});
    pressed();
  };
});

EM_JS(void, page_decode_sound, (const char* name, const void* bytes, int size), {
  const page = Module.lumoraPage;
  if (!page.audio) return;
  const key = UTF8ToString(name);
  const copy = HEAPU8.slice(bytes, bytes + size).buffer;
  page.sounds[key] = null;
  page.audio.decodeAudioData(copy).then((buffer) => { page.sounds[key] = buffer; }, () => {});
});

EM_JS(void, page_play_sound, (const char* name), {
  const page = Module.lumoraPage;
  page.played++;
  if (page.playing) {
    try { page.playing.stop(); } catch (e) {}
    page.playing = null;
  }
  const buffer = page.sounds[UTF8ToString(name)];
  if (!page.audio || !buffer) return;
  const source = page.audio.createBufferSource();
  source.buffer = buffer;
  source.connect(page.audio.destination);
  source.start();
  page.playing = source;
});

namespace platform::web {

WebSound::WebSound() { page_start_audio(); }

void WebSound::PlayAsync(const std::string& path) {
  if (!decoded_.contains(path)) {
    decoded_.insert(path);
    try {
      const std::vector<uint8_t> bytes = ReadWholeFile(path);
      page_decode_sound(path.c_str(), bytes.data(), static_cast<int>(bytes.size()));
    } catch (const std::exception&) {
      // A missing file is silent, as on the desktop.
    }
  }
  page_play_sound(path.c_str());
}

}  // namespace platform::web
