#include "platform/web/web_state_storage.h"

#include <emscripten.h>

EM_JS(void, page_keep_state, (const char* folderName), {
  const folder = UTF8ToString(folderName);
  const page = location.pathname.replace(/[^/]*$/, "");
  const keyOf = (name) => "lumora:" + page + ":" + name;
  const toText = (bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("");
  const toBytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xFF);
  for (const name of ["win_state.log", "select_game.log", "score.log"]) {
    const path = folder + name;
    try {
      const text = localStorage.getItem(keyOf(name));
      if (text !== null) FS.writeFile(path, toBytes(text));
    } catch (e) {
      FS.writeFile(path, new Uint8Array(0));
      FS.chmod(path, 0);
    }
  }
  if (FS.lumoraRename) return;
  // Another tab saved its scores: the file here follows, so that the next
  // save keeps the better of both, and the game takes the better now.
  addEventListener("storage", (e) => {
    if (e.storageArea !== localStorage || e.key !== keyOf("score.log") || e.newValue === null) return;
    try {
      FS.writeFile(folder + "score.log", toBytes(e.newValue));
    } catch (err) {
      return;
    }
    Module._web_push_state_saved();
  });
  FS.lumoraRename = FS.rename;
  FS.rename = (from, to) => {
    if (to.startsWith(folder)) {
      try {
        localStorage.setItem(keyOf(to.slice(folder.length)), toText(FS.readFile(from)));
      } catch (e) {
        throw new FS.ErrnoError(28);
      }
    }
    FS.lumoraRename(from, to);
  };
});

namespace platform::web {

void KeepStateInStorage(const std::string& folder) { page_keep_state(folder.c_str()); }

}  // namespace platform::web
