#pragma once
// The unit converter's grid (`TForm2`'s `grid`): the displayed number in every unit of the
// eleven categories, and each category's main unit. The window only draws it and passes on
// clicks; orvanta-sim and the tests read it directly.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/ports/converter_refresh.h"
#include "numeric/number_base.h"
#include "tools/units/unit_table.h"

namespace orvanta {

class UnitConverter : public ConverterRefresh {
 public:
  // Called with each cell whose text or ring changed, so a view repaints only those.
  using CellChanged = std::function<void(int column, int row)>;

  // Headers in row 0, the main units at their start-up rows, every unit cell empty.
  UnitConverter();

  // One category of the full refresh after every display redraw: keeps the shown text and
  // base, then runs gethsv.
  void refresh(int category, std::string_view unit_source_text, NumberBase base) override;
  // Recomputes one category (0 to 10) from the last shown text; only in decimal.
  void gethsv(int category);
  // gridSelectCell: a unit row becomes its category's main unit, then the category is
  // recomputed. Rows without a unit and the header row change nothing.
  void select_cell(int column, int row);

  const std::string& cell(int column, int row) const;
  int main_row(int category) const { return main_rows_[category]; }
  // The main-unit ring of this cell is drawn (in decimal only).
  bool has_ring(int column, int row) const;
  void set_cell_changed(CellChanged listener) { cell_changed_ = std::move(listener); }
  // Called after the last category of a full refresh and after a click: the changes reported
  // since belong together, so a view repaints them at once.
  void set_changes_done(std::function<void()> listener) { changes_done_ = std::move(listener); }

 private:
  void write(int column, int row, std::string text);
  void notify(int column, int row);
  void factor_cells(int category, const UnitCategory& units);
  void temperature_cells(int category, const UnitCategory& units);
  void angle_cells(int category);

  std::array<std::array<std::string, kUnitGridRows>, kUnitCategories> cells_;
  std::array<int, kUnitCategories> main_rows_{};
  std::string source_text_;
  bool decimal_ = true;
  CellChanged cell_changed_;
  std::function<void()> changes_done_;
};

}  // namespace orvanta
