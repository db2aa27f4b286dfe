#pragma once
// Port: the finished calculations, for whoever takes them: the output into the window below
// (which types only the results of equals, and only while automatic output is on) and the
// history tape (which keeps every calculation). Equals sends once for each display of its
// result, never for keys pressed while it reads the result out; the formula panel, the grab
// and the big-number panel send their results too.
#include <string>

#include "numeric/number_base.h"

namespace orvanta {

// Where a result was computed.
enum class ResultSource { Equals, FormulaPanel, Grab, BigNumbers };

struct FinalResult {
  // The number as the LCD formats it (precision, thousands separators), in the current base.
  std::string shown_text;
  // The same value as decimal number text before precision; the wordings are made from it.
  std::string value_text;
  // The chain that was computed, as the formula bar shows it before "=" (for example 1+2*3);
  // empty when the bar holds no such chain (a bare number, a power or logic operation, or
  // another base than decimal).
  std::string formula;

  ResultSource source = ResultSource::Equals;
  // The base the result and the calculation are written in.
  NumberBase base = NumberBase::Dec;
  // What was calculated, as a paper tape writes it, in the digits of `base`: the chain
  // ("1+2*3", "A+5"), an operation of two operands that has no chain ("2^10", "7 MOD 3"), the
  // formula of the formula panel or of a grab, the big-number panel's operation.
  std::string calculation;
  // The result as it was computed, in the digits of `base`: every digit the calculator keeps,
  // before the display's precision, separators and cells (a big number whole).
  std::string result_text;
  // Equals computed nothing since the last result it showed: equals again on a result, equals
  // after a number typed alone. The output below types it again; the tape writes no new line.
  bool repeated = false;

  bool operator==(const FinalResult&) const = default;
};

class ResultOutput {
 public:
  virtual ~ResultOutput() = default;
  virtual void send(const FinalResult& result) = 0;
};

}  // namespace orvanta
