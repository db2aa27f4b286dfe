#include "face/line_view.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

// Ten characters of 6 pixels in a view 20 pixels wide: 3 characters and a bit show at once.
LineView ten_digits(int view_width = 20) {
  LineView v;
  v.set_view_width(view_width);
  const std::vector<int> widths(10, 6);
  v.set_widths(widths);
  return v;
}

TEST(LineView, ANewTextStartsAtTheBeginningWithNothingSelected) {
  LineView v = ten_digits();
  v.put_caret(0, false);
  EXPECT_EQ(v.size(), 10u);
  EXPECT_EQ(v.scroll(), 0);
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{0, 0}));
  // 0…18 in view: characters 0, 1, 2 whole and 3 in part.
  EXPECT_EQ(v.visible(), (std::pair<size_t, size_t>{0, 4}));
}

TEST(LineView, TheCaretScrollsJustIntoView) {
  struct Case {
    size_t caret;
    int64_t scroll;
    std::pair<size_t, size_t> visible;
  };
  // From the start: rightwards the caret stands at the view's last pixel (19); back left of the
  // view the view starts at it.
  LineView v = ten_digits();
  for (const Case& c : {Case{3, 0, {0, 4}}, Case{4, 5, {0, 5}}, Case{10, 41, {6, 10}},
                        Case{9, 41, {6, 10}}, Case{2, 12, {2, 6}}, Case{0, 0, {0, 4}}}) {
    v.put_caret(c.caret, false);
    EXPECT_EQ(v.scroll(), c.scroll) << c.caret;
    EXPECT_EQ(v.visible(), c.visible) << c.caret;
    EXPECT_GE(v.view_x(c.caret), 0) << c.caret;
    EXPECT_LE(v.view_x(c.caret), 19) << c.caret;
  }
  v.put_caret(99, false);  // clamped to the end
  EXPECT_EQ(v.caret(), 10u);
}

TEST(LineView, MovesAndSelectionsFollowAnEditControl) {
  LineView v = ten_digits();
  v.put_caret(4, false);
  v.move(LineView::Move::kRight, true);
  v.move(LineView::Move::kRight, true);
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{4, 6}));
  // Without Shift an arrow first collapses the selection to its side.
  v.move(LineView::Move::kLeft, false);
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{4, 4}));
  v.move(LineView::Move::kEnd, true);
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{4, 10}));
  v.move(LineView::Move::kRight, false);
  EXPECT_EQ(v.caret(), 10u);
  v.move(LineView::Move::kHome, true);
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{0, 10}));
  v.move(LineView::Move::kLeft, true);  // nothing left of the start
  EXPECT_EQ(v.caret(), 0u);
  v.select_all();
  EXPECT_EQ(v.selection(), (std::pair<size_t, size_t>{0, 10}));
  EXPECT_EQ(v.caret(), 10u);
}

TEST(LineView, APointInTheViewFindsTheNearestBoundaryAndPastAnEdgeTheNextOne) {
  LineView v = ten_digits();
  v.put_caret(6, false);  // scrolled by 17: boundaries 3…6 at 1, 7, 13, 19
  ASSERT_EQ(v.scroll(), 17);
  struct Case {
    int64_t x;
    size_t boundary;
  };
  for (const Case& c : {Case{0, 3}, Case{3, 3}, Case{4, 4}, Case{9, 4}, Case{10, 5}, Case{19, 6},
                        Case{-1, 2}, Case{-50, 2}, Case{20, 7}, Case{500, 7}}) {
    EXPECT_EQ(v.boundary_at(c.x), c.boundary) << c.x;
  }
  // Dragging past the right edge walks on to the end, one boundary per move.
  for (size_t expected = 7; expected <= 10; ++expected) {
    v.put_caret(v.boundary_at(25), true);
    EXPECT_EQ(v.caret(), expected);
  }
  EXPECT_EQ(v.boundary_at(25), 10u);
}

TEST(LineView, AnEditKeepsTheViewWhereItWas) {
  LineView v = ten_digits();
  v.put_caret(8, false);
  const int64_t before = v.scroll();
  // One character more in the middle, typed at 8: the caret moves on by one.
  std::vector<int> widths(11, 6);
  v.set_widths(widths);
  v.put_caret(9, false);
  EXPECT_EQ(v.scroll(), before + 6);
  // A shorter text pulls the view back so that no blank stands past its end.
  widths.assign(4, 6);
  v.set_widths(widths);
  EXPECT_EQ(v.scroll(), 5);
  v.put_caret(0, false);
  EXPECT_EQ(v.scroll(), 0);
}

TEST(LineView, EmptyTextAndAnUnsizedView) {
  LineView v;
  EXPECT_EQ(v.size(), 0u);
  EXPECT_EQ(v.visible(), (std::pair<size_t, size_t>{0, 0}));
  EXPECT_EQ(v.boundary_at(10), 0u);
  EXPECT_EQ(v.boundary_at(-10), 0u);
  v.move(LineView::Move::kRight, true);
  EXPECT_EQ(v.caret(), 0u);
  // Widths of a million characters, set once.
  const std::vector<int> widths(1'000'000, 7);
  v.set_widths(widths);
  v.move(LineView::Move::kEnd, false);
  EXPECT_EQ(v.view_x(v.caret()), 0);  // a view of no width scrolls to the caret itself
  EXPECT_EQ(v.scroll(), 7'000'000);
}

}  // namespace
}  // namespace orvanta
