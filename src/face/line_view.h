#pragma once
// A read-only line of text too long for an edit control (a product of a million digits): where
// each character stands, which part is visible, the caret and the selection. Only the visible
// characters are ever drawn, so a text of any length costs one pass when it is set. Pixels in,
// indices out: the Win32 side measures the characters and draws.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace orvanta {

class LineView {
 public:
  enum class Move { kLeft, kRight, kHome, kEnd };

  // A new text, given by its characters' widths in pixels. The caret goes to the start with
  // nothing selected, without scrolling; the view keeps its place as far as the new text
  // allows, so an edit in the middle of a long text does not move it. put_caret() follows.
  void set_widths(std::span<const int> widths);
  // The width in pixels the text is shown in.
  void set_view_width(int width);

  size_t size() const { return x_.size() - 1; }
  // Where the boundary before character `index` (0…size()) stands in the view, in pixels; the
  // text's own x less the scrolled part.
  int64_t view_x(size_t index) const { return x_[index] - scroll_; }
  int64_t scroll() const { return scroll_; }
  size_t caret() const { return caret_; }
  // The selection from its lower to its upper end; empty when both are equal.
  std::pair<size_t, size_t> selection() const;

  // The characters at least partly in view, as [first, last).
  std::pair<size_t, size_t> visible() const;
  // The boundary nearest to `x` in the view; beyond either end, the boundary just outside it,
  // so dragging past an edge scrolls.
  size_t boundary_at(int64_t x) const;

  // The caret to `index` (clamped), extending the selection from where it was anchored or
  // starting afresh, and scrolled into view.
  void put_caret(size_t index, bool extend);
  void move(Move m, bool extend);
  void select_all();

 private:
  void scroll_to_caret();
  void clamp_scroll();

  std::vector<int64_t> x_{0};  // x_[i]: pixels before character i
  int64_t scroll_ = 0;
  int view_width_ = 0;
  size_t caret_ = 0;
  size_t anchor_ = 0;
};

}  // namespace orvanta
