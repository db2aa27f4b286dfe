#include "face/face_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

namespace orvanta::face {
namespace {

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool inside_face(const Rect& r) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= kFaceWidth &&
         r.top + r.height <= kFaceHeight;
}

TEST(FaceLayout, KeysHaveUniqueNamesAndLieOnTheFace) {
  std::set<std::string_view> names;
  for (const auto& key : kFaceKeys) {
    SCOPED_TRACE(key.name);
    EXPECT_TRUE(names.insert(key.name).second) << "duplicate key name";
    EXPECT_TRUE(inside_face(key.rect));
    EXPECT_GT(key.rect.width, 0);
    EXPECT_GT(key.rect.height, 0);
  }
}

// Keys cut their looks from the faces at their own rectangles; the hover face also keeps the
// switch's four looks, so no key may cover those places, the switch or the LCD.
TEST(FaceLayout, NoKeyCoversTheSwitchLooksTheLcdOrTheFormulaBar) {
  std::vector<Rect> reserved = {kStrip, kLcdArea, kFormulaBar};
  for (int x : kStripLookX) reserved.push_back({x, kStripLookY, kStrip.width, kStrip.height});
  for (const auto& key : kFaceKeys) {
    for (const auto& place : reserved) {
      EXPECT_FALSE(overlaps(key.rect, place))
          << key.name << " covers " << place.left << "," << place.top;
    }
  }
}

TEST(FaceLayout, SwitchLooksAreApartAndBandsCoverTheStrip) {
  for (std::size_t i = 0; i < kStripLookX.size(); ++i) {
    for (std::size_t j = i + 1; j < kStripLookX.size(); ++j) {
      const Rect a{kStripLookX[i], kStripLookY, kStrip.width, kStrip.height};
      const Rect b{kStripLookX[j], kStripLookY, kStrip.width, kStrip.height};
      EXPECT_FALSE(overlaps(a, b)) << i << " and " << j;
    }
  }
  EXPECT_EQ(kStripBandEnd.back(), kStrip.height);
  for (std::size_t i = 1; i < kStripBandEnd.size(); ++i) {
    EXPECT_LT(kStripBandEnd[i - 1], kStripBandEnd[i]);
  }
}

TEST(FaceLayout, IndicatorsLieOnTheLcd) {
  for (const auto& ind : kIndicators) {
    SCOPED_TRACE(ind.name);
    EXPECT_GE(ind.rect.left, kLcdArea.left);
    EXPECT_GE(ind.rect.top, kLcdArea.top);
    EXPECT_LE(ind.rect.left + ind.rect.width, kLcdArea.left + kLcdArea.width);
    EXPECT_LE(ind.rect.top + ind.rect.height, kLcdArea.top + kLcdArea.height);
  }
}

}  // namespace
}  // namespace orvanta::face
