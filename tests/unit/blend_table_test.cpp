#include "face/blend_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvanta {
namespace {

TEST(BlendTable, EntriesRoundTowardsMinusInfinity) {
  struct Case {
    int alpha, difference, expected;
  };
  const Case cases[] = {
      {0, 255, 0},   {0, -255, 0},  {255, 255, 254}, {255, -255, -255},
      {128, 1, 0},   {128, -1, -1}, {10, -26, -2},   {250, 100, 97},
      {255, -1, -1}, {1, -1, -1},   {100, 0, 0},     {128, 255, 127},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(blend_table()(c.alpha, c.difference), c.expected)
        << "alpha " << c.alpha << " difference " << c.difference;
  }
}

// One pixel per colour byte pair that matters: equal, far apart both ways, one unit apart.
BgrImage picture_of(std::initializer_list<std::array<int, 3>> pixels) {
  BgrImage image(static_cast<int>(pixels.size()), 1);
  int x = 0;
  for (const auto& p : pixels) image.set_pixel(x++, 0, p[0], p[1], p[2]);
  return image;
}

TEST(Blend, EndWeightsGiveNormalLookAndHoverWithinOneUnit) {
  const BgrImage normal = picture_of({{0, 255, 100}, {7, 7, 200}});
  const BgrImage hover = picture_of({{255, 0, 101}, {7, 8, 0}});
  BgrImage out(2, 1);

  blend(normal.view(), hover.view(), 0, out.view());
  EXPECT_EQ(out, normal);

  blend(normal.view(), hover.view(), 255, out.view());
  const BgrImage expected = picture_of({{254, 0, 100}, {7, 7, 0}});
  EXPECT_EQ(out, expected);
}

TEST(Blend, WorksInPlaceAndKeepsRowPadding) {
  // Width 1 leaves a padding byte in each row that must not be touched.
  BgrImage normal = picture_of({{100, 50, 200}});
  const BgrImage hover = picture_of({{200, 0, 0}});
  blend(normal.view(), hover.view(), 128, normal.view());
  EXPECT_EQ(normal, picture_of({{150, 25, 100}}));
}

TEST(Blend, WeightOutsideTheTableIsTakenAsTheNearerEnd) {
  const BgrImage normal = picture_of({{10, 20, 30}});
  const BgrImage hover = picture_of({{250, 0, 30}});
  BgrImage below(1, 1), above(1, 1), full(1, 1);
  blend(normal.view(), hover.view(), -5, below.view());
  blend(normal.view(), hover.view(), 260, above.view());
  blend(normal.view(), hover.view(), 255, full.view());
  EXPECT_EQ(below, normal);
  EXPECT_EQ(above, full);
}

TEST(Blend, RefusesPicturesOfDifferentSizes) {
  BgrImage normal(3, 2), hover(3, 2), out(2, 2);
  EXPECT_THROW(blend(normal.view(), hover.view(), 10, out.view()), std::invalid_argument);
}

}  // namespace
}  // namespace orvanta
