#pragma once
// The inner loops of the number-theoretic transform for one prime p < 2^30, in a portable and,
// where the processor has it, an AVX2 version. Values stay lazily in [0, 2p) or [0, 4p) between
// steps; twiddle products use Shoup's precomputed quotients, so no step divides.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "formula/big_natural.h"

namespace orvanta::bignum {

// Twiddle factors stage by stage: the stage that combines elements `half` apart (half = 2^s)
// has value[s][j] = w^j for j < half, w a primitive (2 half)-th root of unity, and
// quotient[s][j] = floor(value[s][j] * 2^32 / p).
struct RootTable {
  const std::uint32_t* const* value;
  const std::uint32_t* const* quotient;
  const std::uint32_t* values(std::size_t half) const { return value[std::countr_zero(half)]; }
  const std::uint32_t* quotients(std::size_t half) const {
    return quotient[std::countr_zero(half)];
  }
};

struct NttKernels {
  // out[i] = in[i] reduced into [0, 2p); needs 6p > 10^9.
  void (*load)(std::uint32_t* out, const Limb* in, std::size_t count, std::uint32_t p);
  // Natural order in, bit-reversed order out; [0, 2p) both ways. n is a power of two >= 16.
  void (*forward)(std::uint32_t* a, std::size_t n, RootTable roots, std::uint32_t p);
  // a[i] = a[i] b[i] / 2^32 mod p (Montgomery), inputs in [0, 2p), result in [0, 2p).
  void (*pointwise)(std::uint32_t* a, const std::uint32_t* b, std::size_t n, std::uint32_t p,
                    std::uint32_t p_inv_neg);
  // Bit-reversed order in, [0, 4p); natural order out, multiplied by `scale` and fully reduced.
  void (*inverse)(std::uint32_t* a, std::size_t n, RootTable roots, std::uint32_t p,
                  std::uint32_t scale, std::uint32_t scale_quotient);
};

extern const NttKernels kPortableNttKernels;
// The AVX2 kernels when this processor runs them, otherwise null.
const NttKernels* avx2_ntt_kernels();

}  // namespace orvanta::bignum
