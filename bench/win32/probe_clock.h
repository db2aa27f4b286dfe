#pragma once
// Wall-clock timing for the Windows probes: the performance counter, and a summary of many
// samples. Processor time would miss what these probes are about (waiting for another
// process, the window system), so they time the wall clock and report medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orvanta::probe {

// Milliseconds since an arbitrary start.
inline double now_ms() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticks_per_ms;
}

struct Summary {
  size_t count = 0;
  double min = 0, median = 0, p90 = 0, p99 = 0, max = 0, mean = 0;
};

// Nearest-rank percentiles of the samples.
inline Summary summarise(std::vector<double> samples) {
  Summary s;
  s.count = samples.size();
  if (samples.empty()) return s;
  std::sort(samples.begin(), samples.end());
  const auto rank = [&](double p) {
    const size_t i = static_cast<size_t>(p * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(i, samples.size() - 1)];
  };
  s.min = samples.front();
  s.max = samples.back();
  s.median = rank(0.5);
  s.p90 = rank(0.9);
  s.p99 = rank(0.99);
  double sum = 0;
  for (const double x : samples) sum += x;
  s.mean = sum / static_cast<double>(samples.size());
  return s;
}

}  // namespace orvanta::probe
