#include "formula/formula_panel.h"

#include <algorithm>

#include "formula/evaluator.h"
#include "formula/normalise.h"
#include "numeric/number_text.h"

namespace orvanta {

bool is_bare_number(std::string_view text) {
  return std::all_of(text.begin() + std::min<size_t>(1, text.size()), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool holds_operation(std::string_view text) {
  return text.find_first_of("+*/^()") != std::string_view::npos ||
         text.find('-', 1) != std::string_view::npos;
}

std::optional<std::string> run_passes(std::string text, FormulaHost& host) {
  for (int pass = 0; holds_operation(text); ++pass) {
    if (pass == kMaxFormulaPasses) return std::nullopt;
    std::string next = gs_step(text, false, host);
    if (next == kInvalidExpression || next == text) return std::nullopt;
    text = std::move(next);
  }
  return text;
}

FormulaRun FormulaPanel::calculate(bool single_step, FormulaHost& host) {
  FormulaRun run;
  if (working_.empty()) return run;
  auto normalised = gs_normalise(working_, host);
  if (!normalised) return run;
  working_ = std::move(*normalised);

  run.evaluated = true;
  run.computed = !is_bare_number(working_);
  bool was_bare = false;
  do {
    was_bare = is_bare_number(working_);
    working_ = gs_step(working_, true, host);
    ++run.passes;
  } while (!was_bare && working_ != kInvalidExpression && !single_step &&
           run.passes < kMaxFormulaPasses);
  run.out_text = working_;

  // Only a formula still unfinished at the limit is reported; one that became a number in the
  // last allowed pass is a result.
  const bool bare = is_bare_number(working_);
  if (run.passes >= kMaxFormulaPasses && !bare && working_ != kInvalidExpression) {
    show_formula_error(host, kPassLimitMessage);
  }
  // Only a plain number reaches the LCD: "+12" (single-stepping "+(12)") passes the bare test
  // but is no number the display can draw.
  const std::string_view digits = std::string_view(working_).substr(working_.starts_with('-'));
  Extended value = 0;
  if (bare && digits.find_first_not_of("0123456789.") == std::string_view::npos &&
      try_parse_number(working_, value)) {
    run.number_text = working_;
    run.number = value;
  }
  return run;
}

}  // namespace orvanta
