#include "tools/units/unit_converter.h"

#include <cmath>

#include "numeric/number_text.h"
#include "tools/units/angle_text.h"

namespace orvanta {
namespace {

// The displayed text as a number (always finite); anything else (the error mark) counts as 0.
Extended source_value(std::string_view text) {
  Extended value = 0;
  return try_parse_number(text, value) ? value : 0;
}

// The plain number text to 15 significant digits: the 80-bit result carries the rounding of
// the sizes and of the arithmetic in its last digits, which a cell must not show. A conversion
// beyond the 80-bit range cannot be written as digits.
std::string cell_number(Extended value) {
  if (std::isinf(value)) return infinity_text(value);
  return fix_text_15(value);
}

bool valid_cell(int column, int row) {
  return column >= 0 && column < kUnitCategories && row >= 0 && row < kUnitGridRows;
}

}  // namespace

UnitConverter::UnitConverter() {
  const auto& categories = unit_categories();
  for (int c = 0; c < kUnitCategories; ++c) {
    cells_[c][0] = categories[c].header;
    main_rows_[c] = categories[c].initial_main_row;
  }
}

void UnitConverter::refresh(int category, std::string_view unit_source_text, NumberBase base) {
  const bool decimal = base == NumberBase::Dec;
  if (decimal != decimal_) {
    decimal_ = decimal;
    for (int c = 0; c < kUnitCategories; ++c) notify(c, main_rows_[c]);
  }
  source_text_ = unit_source_text;
  gethsv(category);
  if (category == kUnitCategories - 1 && changes_done_) changes_done_();
}

void UnitConverter::gethsv(int category) {
  if (!decimal_ || category < 0 || category >= kUnitCategories) return;
  const UnitCategory& units = unit_categories()[category];
  switch (units.kind) {
    case UnitKind::Factor:
      factor_cells(category, units);
      break;
    case UnitKind::Temperature:
      temperature_cells(category, units);
      break;
    case UnitKind::Angle:
      angle_cells(category);
      break;
  }
}

void UnitConverter::select_cell(int column, int row) {
  if (!valid_cell(column, row) || row == 0) return;
  const int units = static_cast<int>(unit_categories()[column].units.size());
  if (row <= units && row != main_rows_[column]) {
    const int old_row = main_rows_[column];
    main_rows_[column] = row;
    if (decimal_) {
      notify(column, old_row);
      notify(column, row);
    }
  }
  gethsv(column);
  if (changes_done_) changes_done_();
}

const std::string& UnitConverter::cell(int column, int row) const {
  static const std::string kNone;
  return valid_cell(column, row) ? cells_[column][row] : kNone;
}

bool UnitConverter::has_ring(int column, int row) const {
  return decimal_ && valid_cell(column, row) && main_rows_[column] == row;
}

void UnitConverter::write(int column, int row, std::string text) {
  std::string& cell = cells_[column][row];
  if (cell == text) return;
  cell = std::move(text);
  notify(column, row);
}

void UnitConverter::notify(int column, int row) {
  if (cell_changed_) cell_changed_(column, row);
}

void UnitConverter::factor_cells(int category, const UnitCategory& units) {
  const Extended v = source_value(source_text_);
  const Extended main_size = units.units[main_rows_[category] - 1].size;
  int row = 1;
  for (const UnitRow& unit : units.units) {
    // The ratio first: a value near the 80-bit limit overflows only where its result does.
    write(category, row++, cell_number(v * (main_size / unit.size)) + std::string(unit.text));
  }
}

void UnitConverter::temperature_cells(int category, const UnitCategory& units) {
  const Extended v = source_value(source_text_);
  const bool celsius_main = main_rows_[category] == 1;
  const Extended celsius = celsius_main ? v : (v - 32) * 5 / 9;
  const Extended fahrenheit = celsius_main ? v * 9 / 5 + 32 : v;
  write(category, 1, cell_number(celsius) + std::string(units.units[0].text));
  write(category, 2, cell_number(fahrenheit) + std::string(units.units[1].text));
}

void UnitConverter::angle_cells(int category) {
  const Extended v = source_value(source_text_);
  write(category, 1, " " + dms_text(v));
  write(category, 2, " " + decimal_degrees_text(v));
}

}  // namespace orvanta
