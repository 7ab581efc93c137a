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
