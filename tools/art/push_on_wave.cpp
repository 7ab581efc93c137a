#include <cmath>
#include <numbers>

#include "art.h"

namespace art {

// 40 ms at 22050 Hz, 16-bit mono: a bright tick over a softer body, rising in
// under a millisecond and dying away fast, so that quick presses stay crisp.
std::vector<uint8_t> PushOnWave() {
  constexpr uint32_t kRate = 22050;
  constexpr uint32_t kSamples = kRate * 40 / 1000;
  constexpr uint32_t kDataBytes = kSamples * 2;
  std::vector<uint8_t> b(44 + kDataBytes, 0);
  size_t at = 0;
  auto put16 = [&](uint32_t v) {
    b[at++] = static_cast<uint8_t>(v);
    b[at++] = static_cast<uint8_t>(v >> 8);
  };
  auto put32 = [&](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b[at++] = static_cast<uint8_t>(t[i]);
  };
  tag("RIFF");
  put32(36 + kDataBytes);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);
  put16(1);
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  tag("data");
  put32(kDataBytes);
  for (uint32_t i = 0; i < kSamples; ++i) {
    const double t = double(i) / kRate;
    const double rise = 1 - std::exp(-t / 0.0006);
    const double tail = std::exp(-t / 0.008) * std::min(1.0, double(kSamples - 1 - i) / (kRate * 0.003));
    const double w = 2 * std::numbers::pi;
    const double tone = 0.55 * std::sin(w * 1760 * t) + 0.3 * std::sin(w * 880 * t) * std::exp(-t / 0.015) +
                        0.15 * std::sin(w * 3520 * t) * std::exp(-t / 0.003);
    const auto v = static_cast<int16_t>(std::lround(0.6 * 32767 * rise * tail * tone));
    put16(static_cast<uint16_t>(v));
  }
  return b;
}

}  // namespace art
