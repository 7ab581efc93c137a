#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "allocation_counter.h"

namespace {
std::atomic<uint64_t> allocations{0};
}

uint64_t bench::Allocations() { return allocations.load(); }

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Prints as usual and keeps each run's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  // Each primitive beside its peer, and the frames beside the copy floor.
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"Opaque/backdrop_640x480", "SdlOpaque/backdrop_640x480"},
      {"Opaque/cell_20x20", "SdlOpaque/cell_20x20"},
      {"Keyed/cell_20x20", "SdlKeyed/cell_20x20"},
      {"Keyed/banner_200x35", "SdlKeyed/banner_200x35"},
      {"Blend/banner_200x35", "SdlBlend/banner_200x35"},
      {"WorstFrame", "FrameMemcpy"},
      {"TitleFrame", "FrameMemcpy"},
      {"PlayFrameHints", "FrameMemcpy"},
      {"MenuFrame", "FrameMemcpy"},
      {"ResultFrame", "FrameMemcpy"},
  };
  std::printf("\nratios (lower is faster):\n");
  for (const auto& [ours, peer] : pairs) {
    const auto a = reporter.times.find(ours);
    const auto b = reporter.times.find(peer);
    if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
    std::printf("  %-28s / %-28s %6.2f\n", ours.c_str(), peer.c_str(), a->second / b->second);
  }
  benchmark::Shutdown();
  return 0;
}
