#include "platform/web/web_clock.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "platform/web/web_page.h"

EM_JS(double, page_date_now, (), { return Date.now(); });

// The time the game worked between two sleeps, summed for the benchmark.
EM_JS(void, page_note_work, (double ms), {
  const page = Module.lumoraPage;
  page.workMs = (page.workMs || 0) + ms;
  page.workTurns = (page.workTurns || 0) + 1;
});

namespace platform::web {

WebClock::WebClock() : wake_(emscripten_get_now()), woke_(wake_) {}

void WebClock::Sleep(uint32_t milliseconds) {
  page_note_work(emscripten_get_now() - woke_);
  while (PageHidden()) {
    emscripten_sleep(250);
    wake_ = emscripten_get_now();
  }
  const double now = emscripten_get_now();
  // Late, the next frame starts at once and the schedule goes on from now,
  // never hurrying to catch up.
  wake_ = std::max(wake_ + milliseconds, now);
  emscripten_sleep(static_cast<unsigned>(std::ceil(wake_ - now)));
  woke_ = emscripten_get_now();
}

int64_t WebClock::NowSeconds() const { return static_cast<int64_t>(std::floor(page_date_now() / 1000)); }

}  // namespace platform::web
