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
  // A running context keeps the browser's audio threads busy even in
  // silence: it runs only while a sound plays.
  page.audio.suspend().catch(() => {});
  const pressed = page.firstPress;
  page.firstPress = () => {
    page.audioAllowed = true;
    pressed();
  };
  page.startSound = (buffer) => {
    const source = page.audio.createBufferSource();
    source.buffer = buffer;
    source.connect(page.audio.destination);
    source.onended = () => {
      if (page.playing != source) return;
      page.playing = null;
      page.audio.suspend().catch(() => {});
    };
    page.audio.resume().catch(() => {});
    source.start();
    page.playing = source;
  };
});

// A sound asked for while its file is still being decoded plays once it is,
// unless by then it would come too late to belong to its press.
EM_JS(void, page_decode_sound, (const char* name, const void* bytes, int size), {
  const page = Module.lumoraPage;
  if (!page.audio) return;
  const key = UTF8ToString(name);
  const copy = HEAPU8.slice(bytes, bytes + size).buffer;
  page.sounds[key] = null;
  page.audio.decodeAudioData(copy).then((buffer) => {
    page.sounds[key] = buffer;
    const wanted = page.wanted;
    page.wanted = null;
    if (wanted && wanted.key == key && performance.now() - wanted.at < 250 && !page.playing) page.startSound(buffer);
  }, () => {});
});

EM_JS(void, page_play_sound, (const char* name), {
  const page = Module.lumoraPage;
  page.played++;
  page.wanted = null;
  if (page.playing) {
    page.playing.onended = null;
    try { page.playing.stop(); } catch (e) {}
    page.playing = null;
  }
  if (!page.audio || !page.audioAllowed) return;
  const key = UTF8ToString(name);
  if (page.sounds[key]) page.startSound(page.sounds[key]);
  else page.wanted = {key, at: performance.now()};
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
