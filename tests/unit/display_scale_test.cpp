#include "face/display_scale.h"

#include <gtest/gtest.h>

#include "face/window_drag.h"
#include "face/window_outline.h"

namespace orvanta::face {
namespace {

bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

struct ScaleCase {
  int dpi;
  int client_width, client_height;
  int pictures_dpi;
  Rect lcd;
  Rect leftmost_cell;
  orvanta::Rect mini;
};

// 168 dpi (175 %) has no pictures of its own: it is drawn from the 200 % ones.
const ScaleCase kScales[] = {
    {96, 464, 512, 96, {52, 42, 361, 59}, {9, 11, 21, 48}, {46, 35, 416, 123}},
    {120, 580, 640, 120, {65, 53, 451, 73}, {11, 13, 26, 60}, {58, 44, 520, 154}},
    {144, 696, 768, 144, {78, 63, 542, 89}, {14, 17, 32, 72}, {69, 53, 624, 185}},
    {168, 812, 896, 192, {91, 74, 632, 103}, {16, 19, 37, 84}, {81, 61, 728, 215}},
    {192, 928, 1024, 192, {104, 84, 722, 118}, {18, 22, 42, 96}, {92, 70, 832, 246}},
};

class DisplayScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DisplayScaleTest, PlacesTheFaceAtItsScale) {
  const ScaleCase& c = GetParam();
  const DisplayScale s(c.dpi);
  EXPECT_EQ(s.client_width(), c.client_width);
  EXPECT_EQ(s.client_height(), c.client_height);
  EXPECT_EQ(s.pictures_dpi(), c.pictures_dpi);
  EXPECT_EQ(s.own_pictures(), c.pictures_dpi == c.dpi);
  EXPECT_TRUE(s.lcd_area() == c.lcd);
  EXPECT_TRUE(s.lcd_cell(kLcdCellCount - 1) == c.leftmost_cell);
  EXPECT_EQ(mini_outline(c.dpi), c.mini);
}

TEST_P(DisplayScaleTest, KeysThatTouchStillTouchAndCellsStayInTheLcd) {
  const DisplayScale s(GetParam().dpi);
  for (const FaceKey& a : kFaceKeys) {
    for (const FaceKey& b : kFaceKeys) {
      const Rect sa = s.rect(a.rect), sb = s.rect(b.rect);
      if (a.rect.left + a.rect.width == b.rect.left) {
        EXPECT_EQ(sa.left + sa.width, sb.left);
      }
      if (a.rect.top + a.rect.height == b.rect.top) {
        EXPECT_EQ(sa.top + sa.height, sb.top);
      }
    }
  }
  const Rect lcd = s.lcd_area();
  for (int i = 0; i < kLcdCellCount; ++i) {
    const Rect cell = s.lcd_cell(i);
    EXPECT_GE(cell.left, 0);
    EXPECT_LE(cell.left + cell.width, lcd.width);
    EXPECT_LE(cell.top + cell.height, lcd.height);
  }
  for (const Indicator& ind : kIndicators) {
    const Rect r = s.indicator(ind);
    EXPECT_LE(r.top + r.height, lcd.top + lcd.height) << ind.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, DisplayScaleTest, ::testing::ValuesIn(kScales));

TEST(DisplayScale, NoDpiReportedIsOneHundredPercentAndAboveTwoHundredUsesTheLargest) {
  EXPECT_EQ(DisplayScale(0).dpi(), 96);
  EXPECT_EQ(DisplayScale(288).pictures_dpi(), 192);
  EXPECT_EQ(DisplayScale(72).pictures_dpi(), 96);
  EXPECT_EQ(scale_length(-25, 144), -38);  // half away from zero, as for a positive length
  EXPECT_EQ(scale_length(25, 144), 38);
}

TEST(DisplayScale, APictureOfOneScaleTakesItsSizeAtAnother) {
  EXPECT_EQ(picture_length(926, 192, 168), 810);  // the face's width
  EXPECT_EQ(picture_length(695, 144, 168), 810);
  EXPECT_EQ(picture_length(42, 192, 168), 37);  // a glyph, as wide as its cell
  EXPECT_EQ(picture_length(42, 192, 192), 42);
}

TEST(DisplayScale, EdgeDockingGrowsWithTheScale) {
  // Docked at the top, the face stands as far above the monitor as its bezel is tall.
  const orvanta::Rect monitor{0, 0, 1920, 1080};
  for (const auto& [dpi, top] : {std::pair{96, -25}, {144, -38}, {192, -50}}) {
    DockState dock;
    const Point at = apply_edge_rules(
        DragSource::kFace, {{500, -30}, {60, 60}, {60, 60}, {560, 0}, monitor, dpi}, dock);
    EXPECT_EQ(at.y, top) << dpi;
    EXPECT_TRUE(dock.vertical);
  }
  // A pull that releases the dock at 100 % is not yet enough at 200 %.
  for (const auto& [dpi, released] : {std::pair{96, true}, {192, false}}) {
    DockState dock{true, false};
    apply_edge_rules(DragSource::kFace, {{500, -25}, {60, 90}, {60, 60}, {560, 90}, monitor, dpi},
                     dock);
    EXPECT_EQ(!dock.vertical, released) << dpi;
  }
}

TEST(Resample, AveragesTheAreaEachPixelCovers) {
  BgrImage source(3, 1);
  source.set_pixel(0, 0, 0, 0, 0);
  source.set_pixel(1, 0, 90, 90, 90);
  source.set_pixel(2, 0, 180, 180, 180);
  BgrImage target(2, 1);
  resample(source.view(), target.view());
  // Each target pixel covers one and a half source pixels.
  EXPECT_EQ(target.pixel(0, 0)[0], 30);   // (0 + 90 / 2) / 1.5
  EXPECT_EQ(target.pixel(1, 0)[0], 150);  // (90 / 2 + 180) / 1.5
  BgrImage same(3, 1);
  resample(source.view(), same.view());
  EXPECT_EQ(same, source);
}

TEST(Resample, AMaskStaysAMask) {
  BgrImage mask(2, 1);
  mask.set_pixel(0, 0, 255, 255, 255);
  mask.set_pixel(1, 0, 0, 0, 0);
  BgrImage larger(3, 1);
  resample(mask.view(), larger.view());
  to_two_levels(larger.view());
  EXPECT_EQ(larger.pixel(0, 0)[0], 255);
  EXPECT_EQ(larger.pixel(1, 0)[0], 255);  // the middle pixel, half white, counts as outside
  EXPECT_EQ(larger.pixel(2, 0)[0], 0);
}

}  // namespace
}  // namespace orvanta::face
