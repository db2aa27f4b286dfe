#pragma once
// Operands shared by the big-number benchmark and its GMP yardstick: n random decimal digits
// without a leading zero, the same for the same seed.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

namespace orvanta::bench {

inline std::string random_decimal(std::size_t digits, unsigned seed) {
  std::mt19937 rng(seed);
  std::string text(digits, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  text[0] = static_cast<char>('1' + rng() % 9);
  return text;
}

// 10^3 to 10^6 digits, the sizes the comparison table reports.
inline void big_number_sizes(benchmark::internal::Benchmark* family) {
  family->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
}

// 10^5 to 10^7 digits, where a first call is compared with a warm one.
inline void first_call_sizes(benchmark::internal::Benchmark* family) {
  family->RangeMultiplier(10)->Range(100000, 10000000)->Unit(benchmark::kMillisecond);
}

}  // namespace orvanta::bench
