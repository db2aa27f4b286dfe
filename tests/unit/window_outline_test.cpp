#include "face/window_outline.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/bmp_file.h"

namespace orvanta {
namespace {

constexpr int kMaskWidth = 463;

// A white mask of the real width with the given pixels painted in `r, g, b`.
struct MaskPainter {
  BgrImage mask;
  explicit MaskPainter(int height) : mask(kMaskWidth, height) {
    for (int y = 0; y < height; ++y) paint(y, 0, kMaskWidth, 255, 255, 255);
  }
  void paint(int y, int from, int to, int r, int g, int b) {
    for (int x = from; x < to; ++x) mask.set_pixel(x, y, r, g, b);
  }
};

TEST(MaskRuns, RowByRowRunsOfNonWhitePixels) {
  MaskPainter m(4);
  m.paint(0, 214, 262, 0, 0, 0);         // the top of the body: x 214 to 261
  m.paint(1, 0, 3, 0, 0, 0);             // a run from the row start...
  m.paint(1, 3, 5, 254, 255, 255);       // ...continued by an almost-white colour, still inside
  m.paint(1, 100, 101, 10, 20, 30);      // a single pixel
  m.paint(1, 460, kMaskWidth, 0, 0, 0);  // a run up to the row end
  // row 2 stays white
  m.paint(3, 0, kMaskWidth, 128, 128, 128);

  const std::vector<Rect> expected = {
      {214, 0, 262, 1}, {0, 1, 5, 2}, {100, 1, 101, 2}, {460, 1, 463, 2}, {0, 3, 463, 4},
  };
  EXPECT_EQ(mask_runs(m.mask.view()), expected);
}

TEST(MaskRuns, AllWhiteMaskHasNoOutline) {
  MaskPainter m(2);
  EXPECT_TRUE(mask_runs(m.mask.view()).empty());
}

TEST(MiniOutline, FollowsTheWindowOnTheScreen) {
  EXPECT_EQ(mini_outline_on_screen({0, 0}), (Rect{46, 35, 416, 123}));
  EXPECT_EQ(mini_outline_on_screen({1004, -38}), (Rect{1050, -3, 1420, 85}));
}

TEST(MaskRuns, RealMaskStartsWithTheTopOfTheBody) {
  const auto mask = read_bmp(ORVANTA_SOURCE_DIR "/resources/face/Image1.bmp");
  ASSERT_TRUE(mask) << "the committed mask picture cannot be read";
  ASSERT_EQ(mask->width(), 463);
  ASSERT_EQ(mask->height(), 530);
  const std::vector<Rect> runs = mask_runs(mask->view());
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.front(), (Rect{214, 0, 262, 1}));
  EXPECT_TRUE(runs.size() == 1 || runs[1].top == 1) << "row 0 has a single run";
  EXPECT_LE(runs.back().bottom, 510);  // the body ends at row 509
}

}  // namespace
}  // namespace orvanta
