#pragma once
// gird_cs, the constants table: names, values and units in a drawn grid over the face, with a
// fixed heading row and a vertical scroll bar. The right button on π opens it; it closes when
// the mouse leaves it. A click on a value picks it and the table stays open.
#include <windows.h>

#include <functional>

#include "win32/panels/panel.h"
#include "win32/system/grid_layout.h"

namespace orvanta::win32 {

class ConstantsGrid : public Panel {
 public:
  static constexpr int kLeft = 16;
  static constexpr int kTop = 151;
  static constexpr int kWidth = 431;
  static constexpr int kHeight = 330;
  static constexpr int kRowHeight = 14;

  // `on_pick` gets the table row (1 to 118) whose value was clicked.
  ConstantsGrid(PanelHost& host, std::function<void(int row)> on_pick);

  bool create(HWND parent);
  // The first data row shown under the heading (1-based).
  int top_row() const { return top_row_; }
  void scroll_to_row(int row);
  // A cell's rectangle in the client area as scrolled now; row 0 is the heading.
  RECT cell_rect(int column, int row) const;

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_rescale() override;
  // The columns and rows at the panel's scale.
  GridLayout laid_out() const;
  void paint();
  void draw_cell(HDC dc, int column, int row, const RECT& r) const;
  int visible_rows() const;
  void update_scroll_bar();
  void on_click(POINT p);
  void track_leave(bool non_client);
  void on_leave();

  std::function<void(int)> on_pick_;
  GridLayout layout_;
  int top_row_ = 1;
};

}  // namespace orvanta::win32
