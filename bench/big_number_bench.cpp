// Big-number panel operations on n-digit operands, decimal text in and out as the panel uses
// them. Division asks for p = n quotient digits. GMP and bc run the same sizes beside these
// (gmp_reference_bench, compare_bc.sh); docs/performance.md has the figures.
#include <benchmark/benchmark.h>

#include "big_number_inputs.h"
#include "formula/big_number.h"
#include "formula/big_panel.h"
#include "formula/limb_algorithms.h"

namespace orvanta {
namespace {

template <class Operation>
void run(benchmark::State& state, Operation operation) {
  const auto digits = static_cast<std::size_t>(state.range(0));
  const std::string a = bench::random_decimal(digits, 1);
  const std::string b = bench::random_decimal(digits, 2);
  for (auto _ : state) benchmark::DoNotOptimize(operation(a, b, digits));
  state.SetComplexityN(state.range(0));
}

void BM_BigAdd(benchmark::State& state) {
  run(state, [](const std::string& a, const std::string& b, std::size_t) {
    return My_Calcs::BigAdd(a, b);
  });
}
BENCHMARK(BM_BigAdd)->Apply(bench::big_number_sizes);

void BM_BigSub(benchmark::State& state) {
  run(state, [](const std::string& a, const std::string& b, std::size_t) {
    return My_Calcs::BigSub(a, b);
  });
}
BENCHMARK(BM_BigSub)->Apply(bench::big_number_sizes);

void BM_BigMul(benchmark::State& state) {
  run(state, [](const std::string& a, const std::string& b, std::size_t) {
    return My_Calcs::BigMul(a, b);
  });
}
BENCHMARK(BM_BigMul)->Apply(bench::big_number_sizes);
BENCHMARK(BM_BigMul)->Arg(10000000)->Unit(benchmark::kMillisecond);

void BM_BigDiv(benchmark::State& state) {
  run(state, [](const std::string& a, const std::string& b, std::size_t digits) {
    return My_Calcs::BigDiv(a, b, static_cast<std::int64_t>(digits));
  });
}
BENCHMARK(BM_BigDiv)->Apply(bench::big_number_sizes);
BENCHMARK(BM_BigDiv)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The panel's way in: the fields read (a sign, commas grouping in threes) and the signed result,
// against the bare operations above on the same digits.
std::string grouped(const std::string& digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

void run_panel(benchmark::State& state, BigOperation op, bool with_commas) {
  const auto digits = static_cast<std::size_t>(state.range(0));
  const std::string a = "-" + bench::random_decimal(digits, 1);
  std::string b = bench::random_decimal(digits, 2);
  if (with_commas) b = grouped(b);
  const std::string precision = std::to_string(digits);
  for (auto _ : state) benchmark::DoNotOptimize(big_panel_result(op, a, b, precision));
}

// A negative first operand: -a + b is a subtraction, -a * b a product with its sign.
void BM_PanelAddSigned(benchmark::State& state) {
  run_panel(state, BigOperation::Add, false);
}
BENCHMARK(BM_PanelAddSigned)->Apply(bench::big_number_sizes);

void BM_PanelMulSigned(benchmark::State& state) {
  run_panel(state, BigOperation::Multiply, false);
}
BENCHMARK(BM_PanelMulSigned)->Apply(bench::big_number_sizes);

// The second operand grouped in threes by commas, which come out in a copy of its digits.
void BM_PanelMulGrouped(benchmark::State& state) {
  run_panel(state, BigOperation::Multiply, true);
}
BENCHMARK(BM_PanelMulGrouped)->Apply(bench::big_number_sizes);

// The first product or quotient of a process also builds the transform tables and work arrays
// that later calls find ready; each iteration here starts without them.
template <class Operation>
void run_first_call(benchmark::State& state, Operation operation) {
  const auto digits = static_cast<std::size_t>(state.range(0));
  const std::string a = bench::random_decimal(digits, 1);
  const std::string b = bench::random_decimal(digits, 2);
  for (auto _ : state) {
    state.PauseTiming();
    bignum::drop_transform_tables();
    state.ResumeTiming();
    benchmark::DoNotOptimize(operation(a, b, digits));
  }
}

void BM_BigMulFirstCall(benchmark::State& state) {
  run_first_call(state, [](const std::string& a, const std::string& b, std::size_t) {
    return My_Calcs::BigMul(a, b);
  });
}
BENCHMARK(BM_BigMulFirstCall)->Apply(bench::first_call_sizes);

void BM_BigDivFirstCall(benchmark::State& state) {
  run_first_call(state, [](const std::string& a, const std::string& b, std::size_t digits) {
    return My_Calcs::BigDiv(a, b, static_cast<std::int64_t>(digits));
  });
}
BENCHMARK(BM_BigDivFirstCall)->Apply(bench::first_call_sizes);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
