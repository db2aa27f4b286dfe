// Product of two limb arrays by number-theoretic transforms modulo three primes below 2^30,
// joined by the Chinese remainder theorem. A column of the product is at most
// min(len) * (10^9 - 1)^2 < 2^24 * 10^18, well below the primes' product (about 5.9 * 10^25).
#include <memory>
#include <mutex>
#include <vector>

#include "formula/big_natural.h"
#include "formula/limb_algorithms.h"
#include "formula/ntt_kernels.h"

namespace orvanta::bignum {

namespace {

using U32 = std::uint32_t;
using U64 = std::uint64_t;

constexpr U32 power_mod(U64 base, U64 exponent, U32 modulus) {
  U64 result = 1;
  base %= modulus;
  for (; exponent != 0; exponent >>= 1) {
    if (exponent & 1) result = result * base % modulus;
    base = base * base % modulus;
  }
  return static_cast<U32>(result);
}

// -p^-1 mod 2^32 by Newton's iteration (each step doubles the correct low bits).
constexpr U32 negated_inverse(U32 p) {
  U32 inverse = p;
  for (int i = 0; i < 5; ++i) inverse *= 2 - p * inverse;
  return 0u - inverse;
}

// Transforms up to this size keep their twiddle tables across products and threads (48 bytes
// per point for all three primes: 24 MiB at the bound, enough for operands of two million
// digits); longer ones build them per product. The big-number panel runs each operation on a
// thread of its own, so the tables belong to the process, not to a thread.
constexpr std::size_t kCachedRootsSize = std::size_t{1} << 19;

struct Roots {
  std::vector<U32> value;
  std::vector<U32> quotient;
  RootTable table() const { return {value.data(), quotient.data()}; }
};

template <U32 P>
U32 shoup_quotient(U32 w) {
  return static_cast<U32>((static_cast<U64>(w) << 32) / P);
}

template <U32 P>
void build_roots(Roots& roots, std::size_t n, U32 root) {
  roots.value.assign(n, 0);
  roots.quotient.assign(n, 0);
  const std::size_t top = n / 2;
  U64 w = 1;
  for (std::size_t j = 0; j < top; ++j) {
    roots.value[top + j] = static_cast<U32>(w);
    w = w * root % P;
  }
  for (std::size_t half = top / 2; half >= 1; half /= 2) {
    for (std::size_t j = 0; j < half; ++j) roots.value[half + j] = roots.value[2 * half + 2 * j];
  }
  for (std::size_t i = 1; i < n; ++i) roots.quotient[i] = shoup_quotient<P>(roots.value[i]);
}

template <U32 P, U32 Generator>
struct Prime {
  static constexpr U32 kModulus = P;
  static constexpr U32 kInverseNegated = negated_inverse(P);

  struct Tables {
    Roots forward;
    Roots inverse;
  };

  static void build(Tables& tables, std::size_t n) {
    const U32 root = power_mod(Generator, (P - 1) / n, P);
    build_roots<P>(tables.forward, n, root);
    build_roots<P>(tables.inverse, n, power_mod(root, P - 2, P));
  }

  // The twiddle tables for size n: the cached ones (which serve every smaller size too) or,
  // beyond the cache, tables built for this product only. A product holds its own reference, so
  // a larger table replacing the cached one never pulls it away from under another thread.
  static std::shared_ptr<const Tables> tables(std::size_t n) {
    if (n > kCachedRootsSize) {
      auto built = std::make_shared<Tables>();
      build(*built, n);
      return built;
    }
    const std::lock_guard lock(cache().mutex);
    if (!cache().tables || cache().tables->forward.value.size() < n) {
      auto built = std::make_shared<Tables>();
      build(*built, n);
      cache().tables = std::move(built);
    }
    return cache().tables;
  }

  static void drop_cached() {
    const std::lock_guard lock(cache().mutex);
    cache().tables.reset();
  }

 private:
  struct Cache {
    std::mutex mutex;
    std::shared_ptr<const Tables> tables;
  };
  static Cache& cache() {
    static Cache instance;
    return instance;
  }
};

// Every product column modulo the prime, natural order.
template <class Field>
std::vector<U32> cyclic_product(LimbSpan a, LimbSpan b, std::size_t n, const NttKernels& kernels) {
  constexpr U32 p = Field::kModulus;
  const std::shared_ptr<const typename Field::Tables> held = Field::tables(n);
  const auto& tables = *held;
  std::vector<U32> fa(n, 0);
  std::vector<U32> fb(n, 0);
  kernels.load(fa.data(), a.data(), a.size(), p);
  kernels.load(fb.data(), b.data(), b.size(), p);
  kernels.forward(fa.data(), n, tables.forward.table(), p);
  kernels.forward(fb.data(), n, tables.forward.table(), p);
  kernels.pointwise(fa.data(), fb.data(), n, p, Field::kInverseNegated);
  // The Montgomery product left a factor 2^-32; the inverse transform needs 1/n.
  const U32 scale = static_cast<U32>((U64{1} << 32) % p * power_mod(n, p - 2, p) % p);
  kernels.inverse(fa.data(), n, tables.inverse.table(), p, scale, shoup_quotient<p>(scale));
  return fa;
}

using Prime1 = Prime<754974721, 11>;  // 45 * 2^24 + 1
using Prime2 = Prime<469762049, 3>;   // 7 * 2^26 + 1
using Prime3 = Prime<167772161, 3>;   // 5 * 2^25 + 1
constexpr U32 kP1 = Prime1::kModulus;
constexpr U32 kP2 = Prime2::kModulus;
constexpr U32 kP3 = Prime3::kModulus;
constexpr U64 kP1P2 = U64{kP1} * kP2;
constexpr U32 kInvP1ModP2 = power_mod(kP1, kP2 - 2, kP2);
constexpr U32 kInvP1P2ModP3 = power_mod(kP1P2 % kP3, kP3 - 2, kP3);
// P1 * P2 = kP1P2High * 10^9 + kP1P2Low, so no part of a column needs more than 64 bits.
constexpr U64 kP1P2High = kP1P2 / kBase;
constexpr U64 kP1P2Low = kP1P2 % kBase;

}  // namespace

void drop_transform_tables() {
  Prime1::drop_cached();
  Prime2::drop_cached();
  Prime3::drop_cached();
}

Limbs multiply_ntt(LimbSpan a, LimbSpan b, bool allow_vector) {
  if (a.empty() || b.empty()) return {};
  const std::size_t columns = a.size() + b.size() - 1;
  std::size_t n = 16;
  while (n < columns) n *= 2;
  const NttKernels* vector = allow_vector ? avx2_ntt_kernels() : nullptr;
  const NttKernels& kernels = vector != nullptr ? *vector : kPortableNttKernels;
  const std::vector<U32> r1 = cyclic_product<Prime1>(a, b, n, kernels);
  const std::vector<U32> r2 = cyclic_product<Prime2>(a, b, n, kernels);
  const std::vector<U32> r3 = cyclic_product<Prime3>(a, b, n, kernels);

  Limbs product(a.size() + b.size(), 0);
  U64 carry = 0;
  for (std::size_t i = 0; i < product.size(); ++i) {
    U64 high = 0;
    U64 low = carry;
    if (i < columns) {
      // Garner: column = x1 + P1 * t2 + P1 * P2 * t3.
      const U64 x1 = r1[i];
      const U64 t2 = (r2[i] + kP2 - x1 % kP2) % kP2 * kInvP1ModP2 % kP2;
      const U64 x12 = x1 + kP1 * t2;
      const U64 t3 = (r3[i] + kP3 - x12 % kP3) % kP3 * kInvP1P2ModP3 % kP3;
      low += x12 + t3 * kP1P2Low;
      high = t3 * kP1P2High;
    }
    product[i] = static_cast<Limb>(low % kBase);
    carry = high + low / kBase;
  }
  trim(product);
  return product;
}

}  // namespace orvanta::bignum
