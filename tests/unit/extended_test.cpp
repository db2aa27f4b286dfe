#include <gtest/gtest.h>

#include "numeric/extended.h"

namespace orvanta {
namespace {

TEST(Extended, HasSixtyFourBitSignificandAtRunTime) {
  // 2^64 + 1 is exact only with a 64-bit significand... 2^63 + 1 is the largest such check.
  volatile Extended big = 9223372036854775808.0L;  // 2^63
  EXPECT_NE(big + 1.0L, big);
}

}  // namespace
}  // namespace orvanta
