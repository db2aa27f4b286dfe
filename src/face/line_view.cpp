#include "face/line_view.h"

#include <algorithm>

namespace orvanta {

void LineView::set_widths(std::span<const int> widths) {
  x_.assign(widths.size() + 1, 0);
  int64_t x = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    x += std::max(widths[i], 0);
    x_[i + 1] = x;
  }
  caret_ = anchor_ = 0;
  clamp_scroll();
}

void LineView::set_view_width(int width) {
  view_width_ = std::max(width, 0);
  scroll_to_caret();
}

std::pair<size_t, size_t> LineView::selection() const {
  return std::minmax(caret_, anchor_);
}

std::pair<size_t, size_t> LineView::visible() const {
  // The first character whose right edge is past the left of the view, and the first whose left
  // edge is at or past its right.
  const auto first = std::upper_bound(x_.begin() + 1, x_.end(), scroll_) - (x_.begin() + 1);
  const auto last = std::lower_bound(x_.begin(), x_.end() - 1, scroll_ + view_width_) - x_.begin();
  return {static_cast<size_t>(first),
          std::max(static_cast<size_t>(last), static_cast<size_t>(first))};
}

size_t LineView::boundary_at(int64_t x) const {
  const int64_t room = std::max(view_width_ - 1, 0);
  if (x < 0) {
    // The last boundary left of the view.
    const auto inside = std::lower_bound(x_.begin(), x_.end(), scroll_);
    return inside == x_.begin() ? 0 : static_cast<size_t>(inside - x_.begin() - 1);
  }
  if (x > room) {
    // The first boundary right of it.
    const auto past = std::upper_bound(x_.begin(), x_.end(), scroll_ + room);
    return past == x_.end() ? size() : static_cast<size_t>(past - x_.begin());
  }
  // The nearer of the boundaries either side of `x`.
  const int64_t at = x + scroll_;
  const auto right = std::upper_bound(x_.begin(), x_.end(), at);
  if (right == x_.end()) return size();
  const size_t r = static_cast<size_t>(right - x_.begin());
  return at - x_[r - 1] < x_[r] - at ? r - 1 : r;
}

void LineView::put_caret(size_t index, bool extend) {
  caret_ = std::min(index, size());
  if (!extend) anchor_ = caret_;
  scroll_to_caret();
}

void LineView::move(Move m, bool extend) {
  const auto [low, high] = selection();
  switch (m) {
    case Move::kLeft:
      // Without Shift a selection collapses to its left end first, as in an edit control.
      if (!extend && low != high) return put_caret(low, false);
      return put_caret(caret_ == 0 ? 0 : caret_ - 1, extend);
    case Move::kRight:
      if (!extend && low != high) return put_caret(high, false);
      return put_caret(caret_ + 1, extend);
    case Move::kHome:
      return put_caret(0, extend);
    case Move::kEnd:
      return put_caret(size(), extend);
  }
}

void LineView::select_all() {
  anchor_ = 0;
  caret_ = size();
  scroll_to_caret();
}

void LineView::scroll_to_caret() {
  const int64_t x = x_[caret_];
  // The caret is a pixel wide, drawn at its boundary's x.
  const int64_t room = std::max(view_width_ - 1, 0);
  if (x < scroll_) scroll_ = x;
  if (x > scroll_ + room) scroll_ = x - room;
  clamp_scroll();  // the caret stays in view
}

void LineView::clamp_scroll() {
  // No blank past the end while the text could fill the view.
  const int64_t room = std::max(view_width_ - 1, 0);
  scroll_ = std::clamp<int64_t>(scroll_, 0, std::max<int64_t>(x_.back() - room, 0));
}

}  // namespace orvanta
