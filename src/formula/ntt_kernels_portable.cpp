// Transform loops in plain C++ (Harvey's lazy butterflies); the reference for the AVX2 ones.
#include "formula/ntt_kernels.h"

namespace orvanta::bignum {

namespace {

using U32 = std::uint32_t;
using U64 = std::uint64_t;

// x * w mod p in [0, 2p) for any 32-bit x, with wq = floor(w * 2^32 / p).
inline U32 times(U32 x, U32 w, U32 wq, U32 p) {
  const U32 q = static_cast<U32>((static_cast<U64>(x) * wq) >> 32);
  return x * w - q * p;
}

inline U32 reduce_twice(U32 v, U32 p) {
  return v >= 2 * p ? v - 2 * p : v;
}

void load(U32* out, const Limb* in, std::size_t count, U32 p) {
  for (std::size_t i = 0; i < count; ++i) {
    U32 v = in[i];
    v = v >= 4 * p ? v - 4 * p : v;
    out[i] = reduce_twice(v, p);
  }
}

void forward(U32* a, std::size_t n, RootTable roots, U32 p) {
  for (std::size_t half = n / 2; half >= 1; half /= 2) {
    const U32* w = roots.values(half);
    const U32* wq = roots.quotients(half);
    for (std::size_t start = 0; start < n; start += 2 * half) {
      U32* x = a + start;
      U32* y = x + half;
      for (std::size_t j = 0; j < half; ++j) {
        const U32 u = x[j];
        const U32 v = y[j];
        x[j] = reduce_twice(u + v, p);
        y[j] = times(u - v + 2 * p, w[j], wq[j], p);
      }
    }
  }
}

void pointwise(U32* a, const U32* b, std::size_t n, U32 p, U32 p_inv_neg) {
  for (std::size_t i = 0; i < n; ++i) {
    const U64 product = static_cast<U64>(a[i]) * b[i];
    const U32 m = static_cast<U32>(product) * p_inv_neg;
    a[i] = static_cast<U32>((product + static_cast<U64>(m) * p) >> 32);
  }
}

void inverse(U32* a, std::size_t n, RootTable roots, U32 p, U32 scale, U32 scale_quotient) {
  for (std::size_t half = 1; half < n; half *= 2) {
    const U32* w = roots.values(half);
    const U32* wq = roots.quotients(half);
    for (std::size_t start = 0; start < n; start += 2 * half) {
      U32* x = a + start;
      U32* y = x + half;
      for (std::size_t j = 0; j < half; ++j) {
        const U32 u = reduce_twice(x[j], p);
        const U32 t = times(y[j], w[j], wq[j], p);
        x[j] = u + t;
        y[j] = u - t + 2 * p;
      }
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    const U32 v = times(a[i], scale, scale_quotient, p);
    a[i] = v >= p ? v - p : v;
  }
}

}  // namespace

const NttKernels kPortableNttKernels{load, forward, pointwise, inverse};

}  // namespace orvanta::bignum
