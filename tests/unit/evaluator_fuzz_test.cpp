// Random formulas over the evaluator's alphabet: every pass must end, and a run of passes
// must either finish or keep failing cleanly. Run under the sanitizers of the native build.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "formula/evaluator.h"
#include "unit/recording_formula_host.h"

namespace orvanta {
namespace {

TEST(EvaluatorFuzz, RandomFormulasNeverCrashOrHang) {
  const std::vector<std::string> pieces = {"0",   "1",   "2",    "9",     ".",    "+",     "-",
                                           "*",   "/",   "^",    "(",     ")",    ",",     " ",
                                           "E",   "x",   "SIN(", "SINA(", "COT(", "SECA(", "CSCA(",
                                           "LN(", "LG(", "ABS(", "SQRT(", ",-",   "0)"};
  std::mt19937 random(20240601);
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 14);
  RecordingFormulaHost host;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
    host.degrees = round % 2 == 0;
    for (int pass = 0; pass < 256; ++pass) {
      std::string next = gs_step(text, round % 3 == 0, host);
      // A pass writes one value back; the largest finite one has 4933 digits.
      ASSERT_LE(next.size(), text.size() + 4940) << text;
      if (next == text || next == kInvalidExpression) break;
      text = std::move(next);
    }
  }
}

}  // namespace
}  // namespace orvanta
