#pragma once
// The table of the twelve months on the cumulative page: drawn cells under a heading, the year's
// total last. A click on a figure picks it; Ctrl+C, with the table focused, copies the table.
#include <windows.h>

#include <functional>
#include <vector>

#include "tools/tax/cumulative_tax_page.h"
#include "win32/system/base_window.h"
#include "win32/system/grid_layout.h"

namespace orvanta::win32 {

class TaxScheduleGrid : public BaseWindow<TaxScheduleGrid> {
 public:
  struct Links {
    std::function<void(int column, int row)> pick;
    std::function<void()> copy;
  };

  // The columns' widths, their grid lines and one line more at the top and the left, at 100 %.
  static constexpr int kRowHeight = 14;
  static SIZE size();

  // A tab stop at `at` in `parent` (a place at `scale`), of size() at `scale`; it owns itself and
  // goes with its window. nullptr when it could not be made. Its font is set and read as a
  // control's (WM_SETFONT, WM_GETFONT).
  static TaxScheduleGrid* create(HWND parent, POINT at, int id, HFONT font,
                                 const face::DisplayScale& scale, Links links);
  // Laid out again at a new scale (its place is its parent's to set).
  void rescale(const face::DisplayScale& scale);

  // New cells forget the picked one.
  void set_cells(std::vector<ScheduleLine> cells);

  // Asked with (column, row), the grid answers a global atom holding the cell's text, 0 for an
  // empty cell; the caller deletes the atom. The end-to-end tests read the table so.
  static UINT cell_text_message();

 private:
  friend class BaseWindow<TaxScheduleGrid>;
  TaxScheduleGrid(HFONT font, const face::DisplayScale& scale, Links links);
  void window_gone() { delete this; }
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  const std::string& text(int column, int row) const;
  bool has_figure(int column, int row) const;
  bool cell_at(POINT p, int& column, int& row) const;
  RECT cell_rect(int column, int row) const;
  void paint();
  void draw_cell(HDC dc, int column, int row) const;
  void click(POINT p);

  HFONT font_;
  face::DisplayScale scale_;
  Links links_;
  GridLayout layout_;
  std::vector<ScheduleLine> cells_;
  int picked_column_ = -1;
  int picked_row_ = -1;
};

}  // namespace orvanta::win32
