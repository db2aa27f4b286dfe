// Transform loops on eight 32-bit lanes. Compiled for AVX2 function by function and chosen at run
// time, so the program still runs on processors without it, in 32-bit and 64-bit builds alike.
// Windows builds assemble this file with unaligned vector moves only (see CMakeLists.txt).
#include "formula/ntt_kernels.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define ORVANTA_NTT_AVX2 1
#include <immintrin.h>
#endif

namespace orvanta::bignum {

#if ORVANTA_NTT_AVX2

namespace {

using U32 = std::uint32_t;
using V = __m256i;

#define ORVANTA_AVX2 __attribute__((target("avx2"))) inline

ORVANTA_AVX2 V load8(const U32* p) {
  return _mm256_loadu_si256(reinterpret_cast<const V*>(p));
}
ORVANTA_AVX2 void store8(U32* p, V v) {
  _mm256_storeu_si256(reinterpret_cast<V*>(p), v);
}

// v reduced by m where v >= m (unsigned lanes).
ORVANTA_AVX2 V reduce_by(V v, V m) {
  return _mm256_min_epu32(v, _mm256_sub_epi32(v, m));
}

// High 32 bits of the lane-wise 32x32-bit products.
ORVANTA_AVX2 V mul_high(V x, V y) {
  const V even = _mm256_srli_epi64(_mm256_mul_epu32(x, y), 32);
  const V odd = _mm256_mul_epu32(_mm256_srli_epi64(x, 32), _mm256_srli_epi64(y, 32));
  return _mm256_blend_epi32(even, odd, 0xAA);
}

// x * w mod p in [0, 2p), with wq = floor(w * 2^32 / p).
ORVANTA_AVX2 V times(V x, V w, V wq, V p) {
  const V q = mul_high(x, wq);
  return _mm256_sub_epi32(_mm256_mullo_epi32(x, w), _mm256_mullo_epi32(q, p));
}

// Lanes swapped with their partner `half` apart inside groups of 2 half.
template <int Half>
ORVANTA_AVX2 V partner(V v) {
  if constexpr (Half == 1) {
    return _mm256_shuffle_epi32(v, 0xB1);
  } else if constexpr (Half == 2) {
    return _mm256_shuffle_epi32(v, 0x4E);
  } else {
    return _mm256_permute2x128_si256(v, v, 0x01);
  }
}

// Lanes that hold the second element of their butterfly.
template <int Half>
constexpr int kUpperLanes = Half == 1 ? 0xAA : (Half == 2 ? 0xCC : 0xF0);

// Twiddles of a small stage laid over the lanes that need them.
ORVANTA_AVX2 V small_stage_roots(const U32* stage, int half) {
  U32 lanes[8];
  for (int i = 0; i < 8; ++i) lanes[i] = stage[i % half];
  return load8(lanes);
}

template <int Half>
ORVANTA_AVX2 V forward_in_vector(V v, V w, V wq, V p, V p2) {
  const V swapped = partner<Half>(v);
  const V sum = reduce_by(_mm256_add_epi32(v, swapped), p2);
  V difference = _mm256_add_epi32(_mm256_sub_epi32(swapped, v), p2);
  difference = Half == 1 ? reduce_by(difference, p2) : times(difference, w, wq, p);
  return _mm256_blend_epi32(sum, difference, kUpperLanes<Half>);
}

template <int Half>
ORVANTA_AVX2 V inverse_in_vector(V v, V w, V wq, V p, V p2) {
  const V reduced = reduce_by(v, p2);
  const V t = Half == 1 ? reduced : times(v, w, wq, p);
  const V mixed = _mm256_blend_epi32(reduced, t, kUpperLanes<Half>);  // u below, t above
  const V swapped = partner<Half>(mixed);
  const V sum = _mm256_add_epi32(mixed, swapped);
  const V difference = _mm256_add_epi32(_mm256_sub_epi32(swapped, mixed), p2);
  return _mm256_blend_epi32(sum, difference, kUpperLanes<Half>);
}

__attribute__((target("avx2"))) void load(U32* out, const Limb* in, std::size_t count, U32 p) {
  const V p2 = _mm256_set1_epi32(static_cast<int>(2 * p));
  const V p4 = _mm256_set1_epi32(static_cast<int>(4 * p));
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) store8(out + i, reduce_by(reduce_by(load8(in + i), p4), p2));
  kPortableNttKernels.load(out + i, in + i, count - i, p);
}

__attribute__((target("avx2"))) void forward(U32* a, std::size_t n, RootTable roots, U32 p) {
  const V vp = _mm256_set1_epi32(static_cast<int>(p));
  const V p2 = _mm256_set1_epi32(static_cast<int>(2 * p));
  for (std::size_t half = n / 2; half >= 8; half /= 2) {
    const U32* w = roots.values(half);
    const U32* wq = roots.quotients(half);
    for (std::size_t start = 0; start < n; start += 2 * half) {
      U32* x = a + start;
      U32* y = x + half;
      for (std::size_t j = 0; j < half; j += 8) {
        const V u = load8(x + j);
        const V v = load8(y + j);
        store8(x + j, reduce_by(_mm256_add_epi32(u, v), p2));
        const V d = _mm256_add_epi32(_mm256_sub_epi32(u, v), p2);
        store8(y + j, times(d, load8(w + j), load8(wq + j), vp));
      }
    }
  }
  // The last three stages pair lanes of one vector.
  const V w4 = small_stage_roots(roots.values(4), 4);
  const V wq4 = small_stage_roots(roots.quotients(4), 4);
  const V w2 = small_stage_roots(roots.values(2), 2);
  const V wq2 = small_stage_roots(roots.quotients(2), 2);
  for (std::size_t i = 0; i < n; i += 8) {
    V v = load8(a + i);
    v = forward_in_vector<4>(v, w4, wq4, vp, p2);
    v = forward_in_vector<2>(v, w2, wq2, vp, p2);
    v = forward_in_vector<1>(v, w2, wq2, vp, p2);
    store8(a + i, v);
  }
}

__attribute__((target("avx2"))) void pointwise(U32* a, const U32* b, std::size_t n, U32 p,
                                               U32 p_inv_neg) {
  const V vp = _mm256_set1_epi32(static_cast<int>(p));
  const V inv = _mm256_set1_epi32(static_cast<int>(p_inv_neg));
  for (std::size_t i = 0; i < n; i += 8) {
    const V x = load8(a + i);
    const V y = load8(b + i);
    // Montgomery reduction of the even and the odd lanes' 64-bit products.
    const V even = _mm256_mul_epu32(x, y);
    const V odd = _mm256_mul_epu32(_mm256_srli_epi64(x, 32), _mm256_srli_epi64(y, 32));
    const V even_r = _mm256_add_epi64(even, _mm256_mul_epu32(_mm256_mul_epu32(even, inv), vp));
    const V odd_r = _mm256_add_epi64(odd, _mm256_mul_epu32(_mm256_mul_epu32(odd, inv), vp));
    store8(a + i, _mm256_blend_epi32(_mm256_srli_epi64(even_r, 32), odd_r, 0xAA));
  }
}

__attribute__((target("avx2"))) void inverse(U32* a, std::size_t n, RootTable roots, U32 p,
                                             U32 scale, U32 scale_quotient) {
  const V vp = _mm256_set1_epi32(static_cast<int>(p));
  const V p2 = _mm256_set1_epi32(static_cast<int>(2 * p));
  const V w4 = small_stage_roots(roots.values(4), 4);
  const V wq4 = small_stage_roots(roots.quotients(4), 4);
  const V w2 = small_stage_roots(roots.values(2), 2);
  const V wq2 = small_stage_roots(roots.quotients(2), 2);
  for (std::size_t i = 0; i < n; i += 8) {
    V v = load8(a + i);
    v = inverse_in_vector<1>(v, w2, wq2, vp, p2);
    v = inverse_in_vector<2>(v, w2, wq2, vp, p2);
    v = inverse_in_vector<4>(v, w4, wq4, vp, p2);
    store8(a + i, v);
  }
  for (std::size_t half = 8; half < n; half *= 2) {
    const U32* w = roots.values(half);
    const U32* wq = roots.quotients(half);
    for (std::size_t start = 0; start < n; start += 2 * half) {
      U32* x = a + start;
      U32* y = x + half;
      for (std::size_t j = 0; j < half; j += 8) {
        const V u = reduce_by(load8(x + j), p2);
        const V t = times(load8(y + j), load8(w + j), load8(wq + j), vp);
        store8(x + j, _mm256_add_epi32(u, t));
        store8(y + j, _mm256_add_epi32(_mm256_sub_epi32(u, t), p2));
      }
    }
  }
  const V s = _mm256_set1_epi32(static_cast<int>(scale));
  const V sq = _mm256_set1_epi32(static_cast<int>(scale_quotient));
  for (std::size_t i = 0; i < n; i += 8)
    store8(a + i, reduce_by(times(load8(a + i), s, sq, vp), vp));
}

const NttKernels kAvx2NttKernels{load, forward, pointwise, inverse};

}  // namespace

const NttKernels* avx2_ntt_kernels() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available ? &kAvx2NttKernels : nullptr;
}

#else

const NttKernels* avx2_ntt_kernels() {
  return nullptr;
}

#endif

}  // namespace orvanta::bignum
