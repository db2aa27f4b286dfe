#pragma once
// The unit converter's table: eleven categories side by side, each with its header text and
// its units one per row. Constant data; the converter only reads it.
#include <array>
#include <span>
#include <string_view>

#include "numeric/extended.h"

namespace orvanta {

inline constexpr int kUnitCategories = 11;
// Row 0 is the header; the longest category (length) fills rows 1 to 18.
inline constexpr int kUnitGridRows = 19;

// How a category's cells follow the displayed number.
enum class UnitKind {
  Factor,       // value x size(main row) / size(row)
  Temperature,  // Celsius and Fahrenheit
  Angle,        // decimal degrees and degrees.minutes-seconds
};

struct UnitRow {
  // Begins with one blank, which separates it from the number in front.
  std::string_view text;
  // One of this unit in the category's reference unit (metres, grams, square and cubic
  // metres, newtons, watts, joules, pascals, bits); unused outside the factor categories.
  Extended size;
};

struct UnitCategory {
  // Header text of row 0, leading blanks kept.
  std::string_view header;
  UnitKind kind;
  std::span<const UnitRow> units;
  // The main unit at start-up (1-based row).
  int initial_main_row;
};

// Categories in column order 0 to 10.
const std::array<UnitCategory, kUnitCategories>& unit_categories();

}  // namespace orvanta
