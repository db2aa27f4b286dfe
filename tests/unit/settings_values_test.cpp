#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "numeric/profile_values.h"

namespace orvanta {
namespace {

struct IntCase {
  const char* text;
  std::optional<int> expected;
};

class ProfileInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileInt, ParsesTheWholeText) {
  EXPECT_EQ(parse_profile_int(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileInt,
    ::testing::Values(IntCase{"0", 0}, IntCase{"2", 2}, IntCase{"-1", -1}, IntCase{"+15", 15},
                      IntCase{"007", 7}, IntCase{"0x1", 1}, IntCase{"0X1f", 31},
                      IntCase{"0xFFFFFFFF", -1}, IntCase{"0x000000010", 16},
                      IntCase{"0x100000000", std::nullopt}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                      IntCase{"", std::nullopt}, IntCase{"-", std::nullopt},
                      IntCase{"0x", std::nullopt}, IntCase{"abc", std::nullopt},
                      IntCase{"12abc", std::nullopt}, IntCase{"1.5", std::nullopt},
                      IntCase{"-0x1", std::nullopt}, IntCase{"0xg", std::nullopt}));

struct BoolCase {
  std::optional<std::string> stored;
  bool default_value;
  bool expected;
};

class ProfileBool : public ::testing::TestWithParam<BoolCase> {};

TEST_P(ProfileBool, NonZeroIsTrueAndANonNumberIsTheDefault) {
  const BoolCase& c = GetParam();
  EXPECT_EQ(profile_bool(c.stored, c.default_value), c.expected) << c.stored.value_or("<absent>");
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileBool,
                         ::testing::Values(BoolCase{"1", false, true}, BoolCase{"0", true, false},
                                           BoolCase{"2", false, true}, BoolCase{"0x1", false, true},
                                           BoolCase{"-1", false, true}, BoolCase{"abc", true, true},
                                           BoolCase{"abc", false, false}, BoolCase{"", true, true},
                                           BoolCase{std::nullopt, true, true},
                                           BoolCase{std::nullopt, false, false}));

TEST(ProfileValues, WritesDecimalAndOneOrZero) {
  EXPECT_EQ(profile_text(true), "1");
  EXPECT_EQ(profile_text(false), "0");
  EXPECT_EQ(profile_text(-180), "-180");
  EXPECT_EQ(profile_int(std::string("abc"), 7), 7);
}

}  // namespace
}  // namespace orvanta
