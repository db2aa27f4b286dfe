#include "face/key_navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "engine/key_handlers.h"
#include "face/face_layout.h"
#include "face/key_names.h"

namespace orvanta::face {
namespace {

int key_index(std::string_view name) {
  for (size_t i = 0; i < kFaceKeys.size(); ++i) {
    if (kFaceKeys[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

TEST(KeyNames, EveryFaceKeyHasItsOwnSpokenName) {
  std::set<std::string_view> names;
  for (const FaceKey& key : kFaceKeys) {
    const std::string_view spoken = key_spoken_name(key.name);
    EXPECT_FALSE(spoken.empty()) << key.name;
    EXPECT_TRUE(names.insert(spoken).second) << key.name << " says the same as another key";
  }
  EXPECT_EQ(key_spoken_name("k7"), "七");
  EXPECT_EQ(key_spoken_name("kdy"), "等于");
  EXPECT_EQ(key_spoken_name("Khex_on"), "十六进制");
  EXPECT_TRUE(key_spoken_name("nothing").empty());
}

TEST(KeyNavigation, TabWalksEveryKeyOnceRoundTheFace) {
  const std::vector<int>& order = keys_in_reading_order();
  EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), kFaceKeys.size());
  EXPECT_EQ(order.size(), kFaceKeys.size());
  int at = -1;
  for (size_t i = 0; i < order.size(); ++i) at = step_key_focus(at, KeyStep::Next);
  EXPECT_EQ(at, order.back());
  EXPECT_EQ(step_key_focus(at, KeyStep::Next), order.front()) << "round again";
  EXPECT_EQ(step_key_focus(order.front(), KeyStep::Previous), order.back());
  // Within a row, left to right: 7 8 9 on the keypad.
  const auto pos = [&](std::string_view name) {
    return std::find(order.begin(), order.end(), key_index(name)) - order.begin();
  };
  EXPECT_LT(pos("k7"), pos("k8"));
  EXPECT_LT(pos("k8"), pos("k9"));
  EXPECT_LT(pos("k9"), pos("k4")) << "rows top to bottom";
}

TEST(KeyNavigation, ArrowsGoToTheNearestKeyThatWay) {
  struct Case {
    std::string_view from;
    KeyStep step;
    std::string_view to;
  };
  const Case cases[] = {
      {"k5", KeyStep::Up, "k8"},    {"k5", KeyStep::Down, "k2"}, {"k5", KeyStep::Left, "k4"},
      {"k5", KeyStep::Right, "k6"}, {"k1", KeyStep::Down, "k0"}, {"k0", KeyStep::Right, "kp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(step_key_focus(key_index(c.from), c.step), key_index(c.to)) << c.from;
  }
  // Nothing further that way: the focus stays.
  const int top_right = key_index("kpower");
  EXPECT_EQ(step_key_focus(top_right, KeyStep::Up), top_right);
}

TEST(KeyAvailability, KeysThatDoNothingInABase) {
  struct Case {
    std::string_view key;
    NumberBase base;
    bool acts;
  };
  const Case cases[] = {
      {"k9", NumberBase::Dec, true},   {"k9", NumberBase::Oct, false},
      {"k7", NumberBase::Oct, true},   {"k2", NumberBase::Bin, false},
      {"k1", NumberBase::Bin, true},   {"ka", NumberBase::Dec, false},
      {"kf", NumberBase::Hex, true},   {"Ksin", NumberBase::Hex, false},
      {"Ksin", NumberBase::Dec, true}, {"kp", NumberBase::Bin, false},
      {"kadd", NumberBase::Bin, true}, {"kand", NumberBase::Oct, true},
      {"klz", NumberBase::Hex, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(key_acts_in_base(c.key, c.base), c.acts) << c.key << " " << static_cast<int>(c.base);
  }
}

}  // namespace
}  // namespace orvanta::face
