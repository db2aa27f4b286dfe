#pragma once
// One int, or eight 16-bit integers side by side (SSE2), with the same few operations, so the
// per-pixel colour shift is written once and runs on eight pixels at a time where it can.
// Comparisons give masks: all ones where true, zero where false.
#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvanta::lanes {

struct One {
  int v;
};
inline One operator+(One a, One b) {
  return {a.v + b.v};
}
inline One operator-(One a, One b) {
  return {a.v - b.v};
}
inline One operator&(One a, One b) {
  return {a.v & b.v};
}
inline One max(One a, One b) {
  return {std::max(a.v, b.v)};
}
inline One min(One a, One b) {
  return {std::min(a.v, b.v)};
}
inline One greater(One a, One b) {
  return {-static_cast<int>(a.v > b.v)};
}
inline One greater_equal(One a, One b) {
  return {-static_cast<int>(a.v >= b.v)};
}
inline One both(One a, One b) {
  return {a.v & b.v};
}
inline One lookup(const std::int16_t* table, One index) {
  return {table[index.v]};
}
template <typename V>
V splat(int value);
template <>
inline One splat<One>(int value) {
  return {value};
}

#if defined(__SSE2__)
struct Eight {
  __m128i v;
};
inline Eight operator+(Eight a, Eight b) {
  return {_mm_add_epi16(a.v, b.v)};
}
inline Eight operator-(Eight a, Eight b) {
  return {_mm_sub_epi16(a.v, b.v)};
}
inline Eight operator&(Eight a, Eight b) {
  return {_mm_and_si128(a.v, b.v)};
}
inline Eight max(Eight a, Eight b) {
  return {_mm_max_epi16(a.v, b.v)};
}
inline Eight min(Eight a, Eight b) {
  return {_mm_min_epi16(a.v, b.v)};
}
inline Eight greater(Eight a, Eight b) {
  return {_mm_cmpgt_epi16(a.v, b.v)};
}
inline Eight greater_equal(Eight a, Eight b) {  // not (b > a)
  return {_mm_andnot_si128(_mm_cmpgt_epi16(b.v, a.v), _mm_set1_epi16(-1))};
}
inline Eight both(Eight a, Eight b) {
  return {_mm_and_si128(a.v, b.v)};
}
// SSE2 has no gather: eight reads, assembled in registers (eight small stores and one wide load
// would stall store forwarding).
inline Eight lookup(const std::int16_t* table, Eight index) {
  const __m128i i = index.v;
  return {_mm_set_epi16(table[static_cast<std::int16_t>(_mm_extract_epi16(i, 7))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 6))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 5))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 4))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 3))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 2))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 1))],
                        table[static_cast<std::int16_t>(_mm_extract_epi16(i, 0))])};
}
// Channel `c` of eight BGR pixels.
inline Eight channel(const std::uint8_t* pixels, int c) {
  const std::uint8_t* p = pixels + c;
  return {_mm_set_epi16(p[21], p[18], p[15], p[12], p[9], p[6], p[3], p[0])};
}
template <>
inline Eight splat<Eight>(int value) {
  return {_mm_set1_epi16(static_cast<std::int16_t>(value))};
}
#endif

}  // namespace orvanta::lanes
