#pragma once
// The constants table `gird_cs`: names, values as texts (exactly as shown, "10.20" keeps its
// zero) and units; and the pick of a value into the calculator.
#include <span>
#include <string_view>

namespace orvanta {

class Calculator;

struct ConstantRow {
  std::string_view name;
  std::string_view value;
  std::string_view unit;
};

// Column 0 to 2 of the fixed heading row.
inline constexpr ConstantRow kConstantsHeading{"    名 称", "      数 值", "     单 位"};
inline constexpr int kConstantRows = 118;

// Rows 1 to 118 (index 0 is row 1).
std::span<const ConstantRow> constants_table();

// A click on the value cell of `row` (1 to 118): the value becomes the entry and goes onto the
// LCD in plain number text (below 0.0001 and from 1E15 up in the exponent form), in whatever base
// the calculator is; nothing is spoken. False for a row outside the table.
bool pick_constant(Calculator& calculator, int row);

}  // namespace orvanta
