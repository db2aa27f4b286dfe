// One pass of the expression evaluator on any text: the result never holds a blank or an ASCII
// lower-case letter, a bare number comes back unchanged, and the text cannot grow without bound.
// A pass writes back one value per stage that finds work: each function of the table once, a
// root and a power, and then either the innermost group, whose own pass has the same stages and
// an operator, or one operator; every value is at most 4940 characters (the longest finite one
// has 4933 digits).
#include <iterator>

#include "formula/evaluator.h"
#include "formula/formula_math.h"
#include "fuzz/fuzz_support.h"
#include "unit/recording_formula_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  fuzz::Input input(data, size);
  const std::uint8_t options = input.byte();
  const std::string_view text = input.rest();
  RecordingFormulaHost host;
  host.degrees = (options & 2) == 0;
  const std::string next = gs_step(text, (options & 1) != 0, host);

  for (const char ch : next) {
    fuzz::check(ch != ' ', "a blank in the result", next);
    fuzz::check(ch < 'a' || ch > 'z', "a lower-case letter in the result", next);
  }
  if (!text.empty() && text.find_first_not_of("-0123456789.") == std::string_view::npos &&
      text.find('-', 1) == std::string_view::npos) {
    fuzz::check(next == text, "a bare number changed", text);
  }
  constexpr std::size_t kStages = std::size(kFunctionTable) + 2;
  constexpr std::size_t kMostWrites = 2 * kStages + 1;
  fuzz::check(next.size() <= text.size() + kMostWrites * 4940,
              "the text grew by more than a pass can write", text);
  return 0;
}
