// Product of two limb arrays by number-theoretic transforms modulo three primes below 2^30,
// joined by the Chinese remainder theorem. A column of the product is at most
// min(len) * (10^9 - 1)^2 < 2^24 * 10^18, well below the primes' product (about 5.9 * 10^25).
#include <algorithm>
#include <array>
#include <bit>
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
// digits); longer ones add their upper stages per product. The big-number panel runs each
// operation on a thread of its own, so the tables belong to the process, not to a thread.
constexpr int kCachedStages = 19;
constexpr int kMaxStages = 24;  // transforms of up to kMaxConvolutionLimbs points

template <U32 P>
constexpr U32 reduce_once(U32 v) {
  return v >= P ? v - P : v;
}

// floor(w * 2^32 / P) without a 64-bit division (a library call in 32-bit code): a double
// estimate, off by at most one, set right by the remainder, whose low 32 bits hold it exactly
// since it lies in (-P, 2P).
template <U32 P>
constexpr U32 shoup_quotient(U32 w) {
  constexpr double kScale = 4294967296.0 / P;
  U32 q = static_cast<U32>(w * kScale);
  const auto rest = static_cast<std::int32_t>(0u - q * P);
  if (rest < 0) {
    --q;
  } else if (rest >= static_cast<std::int32_t>(P)) {
    ++q;
  }
  return q;
}

// x * w mod P with wq = shoup_quotient<P>(w), fully reduced.
template <U32 P>
U32 times(U32 x, U32 w, U32 wq) {
  const U32 q = static_cast<U32>((static_cast<U64>(x) * wq) >> 32);
  return reduce_once<P>(x * w - q * P);
}

// The twiddles of one stage, forward and inverse.
struct Stage {
  std::vector<U32> value;
  std::vector<U32> quotient;
  std::vector<U32> inverse_value;
  std::vector<U32> inverse_quotient;
};

// Stage s from stage s - 1: the even powers of its root are the lower stage's entries, the odd
// ones those times the root. Inverse twiddles come from the forward ones reversed: for w of
// order 2 half, w^-j = -w^(half - j).
template <U32 P, U32 Generator>
std::shared_ptr<const Stage> build_stage(const Stage* lower, int s) {
  auto stage = std::make_shared<Stage>();
  const std::size_t half = std::size_t{1} << s;
  stage->value.resize(half);
  stage->quotient.resize(half);
  stage->value[0] = 1;
  stage->quotient[0] = shoup_quotient<P>(1);
  if (lower != nullptr) {
    const U32 root = power_mod(Generator, (P - 1) >> (s + 1), P);
    const U32 root_quotient = shoup_quotient<P>(root);
    for (std::size_t k = 0; k < half / 2; ++k) {
      const U32 even = lower->value[k];
      const U32 odd = times<P>(even, root, root_quotient);
      stage->value[2 * k] = even;
      stage->quotient[2 * k] = lower->quotient[k];
      stage->value[2 * k + 1] = odd;
      stage->quotient[2 * k + 1] = shoup_quotient<P>(odd);
    }
  }
  stage->inverse_value.resize(half);
  stage->inverse_quotient.resize(half);
  stage->inverse_value[0] = 1;
  stage->inverse_quotient[0] = stage->quotient[0];
  // floor((P - w) 2^32 / P) = 2^32 - 1 - floor(w 2^32 / P), since P divides no w 2^32.
  for (std::size_t j = 1; j < half; ++j) {
    stage->inverse_value[j] = P - stage->value[half - j];
    stage->inverse_quotient[j] = ~stage->quotient[half - j];
  }
  return stage;
}

template <U32 P, U32 Generator>
struct Prime {
  static constexpr U32 kModulus = P;
  static constexpr U32 kInverseNegated = negated_inverse(P);

  // Stages 0 to stages.size() - 1, enough for transforms of up to 2^stages.size() points. A
  // larger table shares the stages of the smaller one it grew from.
  struct Tables {
    std::vector<std::shared_ptr<const Stage>> stages;
    std::array<const U32*, kMaxStages> forward_value{};
    std::array<const U32*, kMaxStages> forward_quotient{};
    std::array<const U32*, kMaxStages> inverse_value{};
    std::array<const U32*, kMaxStages> inverse_quotient{};

    RootTable forward() const { return {forward_value.data(), forward_quotient.data()}; }
    RootTable inverse() const { return {inverse_value.data(), inverse_quotient.data()}; }
  };

  static std::shared_ptr<const Tables> grown(const Tables* from, int stages) {
    auto tables = std::make_shared<Tables>();
    if (from != nullptr) *tables = *from;
    for (int s = static_cast<int>(tables->stages.size()); s < stages; ++s) {
      const Stage* lower = s == 0 ? nullptr : tables->stages.back().get();
      tables->stages.push_back(build_stage<P, Generator>(lower, s));
      const Stage& stage = *tables->stages.back();
      tables->forward_value[s] = stage.value.data();
      tables->forward_quotient[s] = stage.quotient.data();
      tables->inverse_value[s] = stage.inverse_value.data();
      tables->inverse_quotient[s] = stage.inverse_quotient.data();
    }
    return tables;
  }

  // The twiddle tables for n points: the cached ones (which serve every smaller size too),
  // grown by the stages they lack; beyond the cache's bound, its stages and this product's
  // own. A product holds its own reference, so a larger table replacing the cached one never
  // pulls it away from under another thread.
  static std::shared_ptr<const Tables> tables(std::size_t n) {
    const int stages = std::countr_zero(n);
    const std::lock_guard lock(cache().mutex);
    std::shared_ptr<const Tables>& cached = cache().tables;
    const int have = cached ? static_cast<int>(cached->stages.size()) : 0;
    if (have < std::min(stages, kCachedStages))
      cached = grown(cached.get(), std::min(stages, kCachedStages));
    if (stages > kCachedStages) return grown(cached.get(), stages);
    return cached;
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

// Work arrays of the transforms, kept for the next product while they are no longer than the
// cached tables (four of them, 8 MiB at most): fresh memory costs more than the arithmetic on
// it, every page faulted in and zeroed by the system, and the heap hands large blocks back.
class WorkArrays {
 public:
  static std::vector<U32> take(std::size_t n) {
    std::vector<U32> array;
    {
      const std::lock_guard lock(pool().mutex);
      if (!pool().arrays.empty()) {
        array = std::move(pool().arrays.back());
        pool().arrays.pop_back();
      }
    }
    array.assign(n, 0);
    return array;
  }

  static void give_back(std::vector<U32>& array) {
    if (array.capacity() > (std::size_t{1} << kCachedStages)) return;
    const std::lock_guard lock(pool().mutex);
    if (pool().arrays.size() < kKept) pool().arrays.push_back(std::move(array));
  }

  static void drop() {
    const std::lock_guard lock(pool().mutex);
    pool().arrays.clear();
  }

 private:
  static constexpr std::size_t kKept = 4;
  struct Pool {
    std::mutex mutex;
    std::vector<std::vector<U32>> arrays;
  };
  static Pool& pool() {
    static Pool instance;
    return instance;
  }
};

// Every product column modulo the prime, natural order.
template <class Field>
std::vector<U32> cyclic_product(LimbSpan a, LimbSpan b, std::size_t n, const NttKernels& kernels) {
  constexpr U32 p = Field::kModulus;
  const std::shared_ptr<const typename Field::Tables> held = Field::tables(n);
  const auto& tables = *held;
  std::vector<U32> fa = WorkArrays::take(n);
  std::vector<U32> fb = WorkArrays::take(n);
  kernels.load(fa.data(), a.data(), a.size(), p);
  kernels.load(fb.data(), b.data(), b.size(), p);
  kernels.forward(fa.data(), n, tables.forward(), p);
  kernels.forward(fb.data(), n, tables.forward(), p);
  kernels.pointwise(fa.data(), fb.data(), n, p, Field::kInverseNegated);
  // The Montgomery product left a factor 2^-32; the inverse transform needs 1/n.
  const U32 scale = static_cast<U32>((U64{1} << 32) % p * power_mod(n, p - 2, p) % p);
  kernels.inverse(fa.data(), n, tables.inverse(), p, scale, shoup_quotient<p>(scale));
  WorkArrays::give_back(fb);
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
constexpr U32 kInvP1ModP2Quotient = shoup_quotient<kP2>(kInvP1ModP2);
constexpr U32 kInvP1P2ModP3 = power_mod(kP1P2 % kP3, kP3 - 2, kP3);
constexpr U32 kInvP1P2ModP3Quotient = shoup_quotient<kP3>(kInvP1P2ModP3);
constexpr U32 kP1ModP3 = kP1 % kP3;
constexpr U32 kP1ModP3Quotient = shoup_quotient<kP3>(kP1ModP3);
constexpr U32 kOneQuotientP3 = shoup_quotient<kP3>(1);
// P1 * P2 = kP1P2High * 10^9 + kP1P2Low, so no part of a column needs more than 64 bits.
constexpr U64 kP1P2High = kP1P2 / kBase;
constexpr U64 kP1P2Low = kP1P2 % kBase;

// v / 10^9 for v < 2^62, the remainder into `rest`. A double estimate set right by the
// remainder's low 32 bits, since 32-bit x86 has no 64-bit division but a library call.
U64 divide_by_base(U64 v, Limb& rest) {
  auto q = static_cast<U32>(static_cast<double>(static_cast<std::int64_t>(v)) * 1e-9);
  auto r = static_cast<std::int32_t>(static_cast<U32>(v) - q * kBase);
  if (r < 0) {
    --q;
    r += static_cast<std::int32_t>(kBase);
  } else if (r >= static_cast<std::int32_t>(kBase)) {
    ++q;
    r -= static_cast<std::int32_t>(kBase);
  }
  rest = static_cast<Limb>(r);
  return q;
}

}  // namespace

void drop_transform_tables() {
  Prime1::drop_cached();
  Prime2::drop_cached();
  Prime3::drop_cached();
  WorkArrays::drop();
}

Limbs multiply_ntt(LimbSpan a, LimbSpan b, bool allow_vector) {
  if (a.empty() || b.empty()) return {};
  const std::size_t columns = a.size() + b.size() - 1;
  std::size_t n = 16;
  while (n < columns) n *= 2;
  const NttKernels* vector = allow_vector ? avx2_ntt_kernels() : nullptr;
  const NttKernels& kernels = vector != nullptr ? *vector : kPortableNttKernels;
  std::vector<U32> r1 = cyclic_product<Prime1>(a, b, n, kernels);
  std::vector<U32> r2 = cyclic_product<Prime2>(a, b, n, kernels);
  std::vector<U32> r3 = cyclic_product<Prime3>(a, b, n, kernels);

  Limbs product(a.size() + b.size(), 0);
  U64 carry = 0;
  for (std::size_t i = 0; i < product.size(); ++i) {
    U64 high = 0;
    U64 low = carry;
    if (i < columns) {
      // Garner: column = x1 + P1 * t2 + P1 * P2 * t3, with 32-bit products only.
      const U32 x1 = r1[i];
      const U32 x1_mod_p2 = reduce_once<kP2>(x1);  // P1 < 2 P2
      const U32 t2 =
          times<kP2>(reduce_once<kP2>(r2[i] + kP2 - x1_mod_p2), kInvP1ModP2, kInvP1ModP2Quotient);
      const U32 x12_mod_p3 = reduce_once<kP3>(times<kP3>(x1, 1, kOneQuotientP3) +
                                              times<kP3>(t2, kP1ModP3, kP1ModP3Quotient));
      const U32 t3 = times<kP3>(reduce_once<kP3>(r3[i] + kP3 - x12_mod_p3), kInvP1P2ModP3,
                                kInvP1P2ModP3Quotient);
      low += x1 + U64{kP1} * t2 + U64{t3} * kP1P2Low;
      high = U64{t3} * kP1P2High;
    }
    carry = high + divide_by_base(low, product[i]);
  }
  for (std::vector<U32>* array : {&r1, &r2, &r3}) WorkArrays::give_back(*array);
  trim(product);
  return product;
}

}  // namespace orvanta::bignum
