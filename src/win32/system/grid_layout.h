#pragma once
// Where the cells of a drawn grid stand: columns of their own widths, rows of one height, and
// a one-pixel grid line after every cell. The converter's grid and the constants table draw
// themselves from it and hit-test the mouse with it.
#include <windows.h>

#include <numeric>
#include <vector>

#include "face/display_scale.h"

namespace orvanta::win32 {

class GridLayout {
 public:
  GridLayout(std::vector<int> widths, int rows, int row_height)
      : widths_(std::move(widths)), rows_(rows), row_height_(row_height) {}

  // The grid at a display scale: each column's edges where the scaled layout puts them, each row
  // one scaled pitch; the grid lines stay one pixel.
  GridLayout scaled(const face::DisplayScale& scale) const {
    std::vector<int> widths;
    for (int c = 0; c < columns(); ++c)
      widths.push_back(scale(left(c + 1)) - scale(left(c)) - kLine);
    return GridLayout(std::move(widths), rows_, scale(row_height_ + kLine) - kLine);
  }

  int columns() const { return static_cast<int>(widths_.size()); }
  int rows() const { return rows_; }
  int row_height() const { return row_height_; }
  int width(int column) const { return widths_[static_cast<size_t>(column)]; }
  void set_width(int column, int width) { widths_[static_cast<size_t>(column)] = width; }
  void set_all_widths(int width) { std::fill(widths_.begin(), widths_.end(), width); }

  // Left edge of a column, counted from the grid's left.
  int left(int column) const {
    return std::accumulate(widths_.begin(), widths_.begin() + column, 0) + column * kLine;
  }
  int total_width() const { return left(columns()); }
  int total_height() const { return rows_ * (row_height_ + kLine); }

  // The cell's rectangle without its grid lines, relative to the grid's top-left.
  RECT cell(int column, int row) const {
    const int x = left(column);
    const int y = row * (row_height_ + kLine);
    return RECT{x, y, x + width(column), y + row_height_};
  }

  // The cell at a point relative to the grid; false outside every cell (a grid line counts as
  // the cell before it).
  bool hit(POINT p, int& column, int& row) const {
    if (p.x < 0 || p.y < 0 || p.y >= total_height() || p.x >= total_width()) return false;
    row = p.y / (row_height_ + kLine);
    for (column = 0; column < columns(); ++column) {
      if (p.x < left(column + 1)) return true;
    }
    return false;
  }

  // The column whose right border is within `slack` pixels of x (for resizing); -1 for none.
  int border_near(int x, int slack) const {
    for (int c = 0; c < columns(); ++c) {
      const int border = left(c + 1) - kLine;
      if (x >= border - slack && x <= border + slack) return c;
    }
    return -1;
  }

  static constexpr int kLine = 1;

 private:
  std::vector<int> widths_;
  int rows_;
  int row_height_;
};

}  // namespace orvanta::win32
