// GMP on the same operands as big_number_bench, timed with its decimal conversions
// (mpz_set_str, mpz_get_str) because the panel's operations take and return text. Division
// forms floor(a * 10^n / b), the n quotient digits BigDiv produces for p = n.
// Only this yardstick links GMP; the calculator does not.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <string>

#include "big_number_inputs.h"

namespace orvanta {
namespace {

class Mpz {
 public:
  Mpz() { mpz_init(value_); }
  ~Mpz() { mpz_clear(value_); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  mpz_ptr get() { return value_; }

 private:
  mpz_t value_;
};

std::size_t to_text(mpz_ptr value) {
  char* text = mpz_get_str(nullptr, 10, value);
  const std::size_t length = std::char_traits<char>::length(text);
  void (*free_function)(void*, std::size_t) = nullptr;
  mp_get_memory_functions(nullptr, nullptr, &free_function);
  free_function(text, length + 1);
  return length;
}

enum class Op { kAdd, kSub, kMul, kDiv };

void run(benchmark::State& state, Op op) {
  const auto digits = static_cast<std::size_t>(state.range(0));
  const std::string a_text = bench::random_decimal(digits, 1);
  const std::string b_text = bench::random_decimal(digits, 2);
  Mpz a, b, result;
  for (auto _ : state) {
    mpz_set_str(a.get(), a_text.c_str(), 10);
    mpz_set_str(b.get(), b_text.c_str(), 10);
    switch (op) {
      case Op::kAdd:
        mpz_add(result.get(), a.get(), b.get());
        break;
      case Op::kSub:
        mpz_sub(result.get(), a.get(), b.get());
        break;
      case Op::kMul:
        mpz_mul(result.get(), a.get(), b.get());
        break;
      case Op::kDiv:
        mpz_ui_pow_ui(result.get(), 10, digits);
        mpz_mul(a.get(), a.get(), result.get());
        mpz_tdiv_q(result.get(), a.get(), b.get());
        break;
    }
    benchmark::DoNotOptimize(to_text(result.get()));
  }
}

void BM_GmpAdd(benchmark::State& state) {
  run(state, Op::kAdd);
}
BENCHMARK(BM_GmpAdd)->Apply(bench::big_number_sizes);
void BM_GmpSub(benchmark::State& state) {
  run(state, Op::kSub);
}
BENCHMARK(BM_GmpSub)->Apply(bench::big_number_sizes);
void BM_GmpMul(benchmark::State& state) {
  run(state, Op::kMul);
}
BENCHMARK(BM_GmpMul)->Apply(bench::big_number_sizes);
void BM_GmpDiv(benchmark::State& state) {
  run(state, Op::kDiv);
}
BENCHMARK(BM_GmpDiv)->Apply(bench::big_number_sizes);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
