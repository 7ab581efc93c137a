#include "platform/web/web_clock.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "platform/web/web_page.h"

EM_JS(double, page_date_now, (), { return Date.now(); });

namespace platform::web {

WebClock::WebClock() : wake_(emscripten_get_now()) {}

void WebClock::Sleep(uint32_t milliseconds) {
  while (PageHidden()) {
    emscripten_sleep(250);
    wake_ = emscripten_get_now();
  }
  const double now = emscripten_get_now();
  // Late by more than the sleep itself, the schedule starts again from now
  // rather than hurrying to catch up.
  wake_ = std::max(wake_ + milliseconds, now);
  emscripten_sleep(static_cast<unsigned>(std::ceil(wake_ - now)));
}

int64_t WebClock::NowSeconds() const { return static_cast<int64_t>(std::floor(page_date_now() / 1000)); }

}  // namespace platform::web
