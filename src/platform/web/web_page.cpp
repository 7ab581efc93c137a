#include "platform/web/web_page.h"

#include <emscripten.h>

// The desktop is a box on the page of the screen's size in CSS pixels: the
// viewport, but no smaller than the game and no larger than a 1024 x 768
// desktop, centred. A viewport smaller than the game shows it scaled down.
// Pointer positions are kept in screen pixels; events on a canvas go to the
// game in that canvas's own pixels.
EM_JS(int, page_start, (), {
  const page = Module.lumoraPage = Module.lumoraPage || {};
  if (!page.desktop) {
    page.scale = Math.max(1, Math.floor(window.devicePixelRatio || 1));
    page.desktop = document.getElementById("desktop");
    page.cursorX = 0;
    page.cursorY = 0;
    page.topZ = 1;
    page.focused = true;
    page.canvasOf = (id) => document.getElementById("lumora-window-" + id);
    page.layout = () => {
      const w = Math.min(1024, Math.max(640, window.innerWidth));
      const h = Math.min(768, Math.max(480, window.innerHeight));
      const fit = Math.min(1, window.innerWidth / w, window.innerHeight / h);
      page.width = w;
      page.height = h;
      page.desktop.style.width = w + "px";
      page.desktop.style.height = h + "px";
      page.desktop.style.transform = fit < 1 ? "scale(" + fit + ")" : "";
    };
    page.layout();
    window.addEventListener("resize", page.layout);
    // Screen pixels under a client position, through any scaling of the page.
    // Over a full-screen picture, the point of the picture under it, as the
    // window would have it at its own place.
    page.toScreen = (e) => {
      const full = page.full && page.canvasOf(page.full.id);
      if (full) {
        const r = full.getBoundingClientRect();
        const fit = page.full;
        return [fit.windowLeft + Math.floor(((e.clientX - r.left) * full.width / r.width - fit.left) / fit.scale),
                fit.windowTop + Math.floor(((e.clientY - r.top) * full.height / r.height - fit.top) / fit.scale)];
      }
      const r = page.desktop.getBoundingClientRect();
      return [Math.floor((e.clientX - r.left) * page.width * page.scale / r.width),
              Math.floor((e.clientY - r.top) * page.height * page.scale / r.height)];
    };
    // The page's own controls, the hint button among them, leave the pointer
    // where the game last saw it.
    const follow = (e) => {
      if (page.desktop.contains(e.target)) [page.cursorX, page.cursorY] = page.toScreen(e);
    };
    document.addEventListener("pointermove", follow, true);
    document.addEventListener("pointerdown", follow, true);
    window.addEventListener("blur", () => { page.focused = false; });
    window.addEventListener("focus", () => { page.focused = true; });
    // A touch is the left button; the right one opens no menu.
    const buttonOf = (e) => e.pointerType == "touch" ? 0 : e.button == 2 ? 1 : e.button == 1 ? 2 : e.button;
    page.attachPointer = (canvas) => {
      const send = (type, e) => {
        const r = canvas.getBoundingClientRect();
        const x = Math.floor((e.clientX - r.left) * canvas.width / r.width);
        const y = Math.floor((e.clientY - r.top) * canvas.height / r.height);
        const shift = (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0);
        Module._web_push_pointer(type, canvas.lumoraId, type == 2 ? 0 : buttonOf(e), x, y, shift);
      };
      // Captured, so that a drag goes on when the pointer leaves the canvas.
      canvas.addEventListener("pointerdown", (e) => {
        e.preventDefault();
        canvas.setPointerCapture(e.pointerId);
        Module.lumoraPage.firstPress();
        send(0, e);
      });
      canvas.addEventListener("pointerup", (e) => { e.preventDefault(); send(1, e); });
      canvas.addEventListener("pointermove", (e) => send(2, e));
      canvas.addEventListener("contextmenu", (e) => e.preventDefault());
    };
    page.firstPress = page.firstPress || (() => {});
    // On a touch screen the page's hint button holds H, which holds the hints.
    const hint = document.getElementById("hint");
    if (hint) {
      const key = (type) => (e) => { e.preventDefault(); page.firstPress(); Module._web_push_key(type, 72); };
      hint.addEventListener("pointerdown", key(3));
      hint.addEventListener("pointerup", key(4));
      hint.addEventListener("pointercancel", key(4));
      hint.addEventListener("contextmenu", (e) => e.preventDefault());
    }
  }
  return page.scale;
});

EM_JS(int, page_screen_width, (), { return Module.lumoraPage.width * Module.lumoraPage.scale; });
EM_JS(int, page_screen_height, (), { return Module.lumoraPage.height * Module.lumoraPage.scale; });

EM_JS(int, page_active, (), { return Module.lumoraPage.focused && !document.hidden; });
EM_JS(int, page_hidden, (), { return document.hidden; });

namespace platform::web {

int32_t StartPage() { return page_start(); }

Size PageScreen() { return {page_screen_width(), page_screen_height()}; }

bool PageActive() { return page_active() != 0; }

bool PageHidden() { return page_hidden() != 0; }

}  // namespace platform::web
