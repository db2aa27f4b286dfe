#pragma once
// The arithmetic behind the evaluator's reductions: the function table and the power rule.
#include <string_view>

#include "numeric/extended.h"

namespace orvanta {

// Thrown inside a pass when a reduction cannot be done (a bad number, a value outside a
// function's domain, an overflow); the pass then returns the invalid-expression text.
struct PassFailed {};

enum class FormulaFunction {
  Sina,
  Cosa,
  Tana,
  Cota,
  Seca,
  Csca,
  Sin,
  Cos,
  Tan,
  Cot,
  Sec,
  Csc,
  Abs,
  Ln,
  Lg
};

struct FunctionEntry {
  std::string_view name;  // as matched, with its "("
  FormulaFunction function;
};

// In the order the function stage tries them; "SQRT(" has a stage of its own.
inline constexpr FunctionEntry kFunctionTable[] = {
    {"SINA(", FormulaFunction::Sina}, {"COSA(", FormulaFunction::Cosa},
    {"TANA(", FormulaFunction::Tana}, {"COTA(", FormulaFunction::Cota},
    {"SECA(", FormulaFunction::Seca}, {"CSCA(", FormulaFunction::Csca},
    {"SIN(", FormulaFunction::Sin},   {"COS(", FormulaFunction::Cos},
    {"TAN(", FormulaFunction::Tan},   {"COT(", FormulaFunction::Cot},
    {"SEC(", FormulaFunction::Sec},   {"CSC(", FormulaFunction::Csc},
    {"ABS(", FormulaFunction::Abs},   {"LN(", FormulaFunction::Ln},
    {"LG(", FormulaFunction::Lg},
};

// The value of a table function; angles in degrees when `degrees`. Throws PassFailed outside
// the domain. The inverse secant and cosecant of (nearly) 0 give an infinity on purpose.
Extended apply_function(FormulaFunction function, Extended x, bool degrees);

// b^e: e = 0 gives 1, 0^e with e > 0 gives 0, whole exponents up to 2^31 - 1 by multiplication
// (negative bases allowed), anything else as exp(e ln b). Throws PassFailed on a fault.
Extended power(Extended base, Extended exponent);

}  // namespace orvanta
