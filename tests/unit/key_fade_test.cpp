#include "face/key_fade.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

constexpr KeyPictures kFacePictures{
    .normal = true, .hover = true, .pressed = true, .disabled = false};

KeyFade face_key() {
  KeyFade key;
  key.set_pictures(kFacePictures);
  key.set_ani(true);
  return key;
}

struct FadeRun {
  std::vector<int> weights;  // blended frames drawn, in order
  KeyLook final_look = KeyLook::kNone;
};

// Ticks until the fade stops its timer.
FadeRun run_fade(KeyFade& key) {
  FadeRun run;
  for (int i = 0; i < 100; ++i) {
    const KeyUpdate update = key.tick();
    if (update.blend_alpha) run.weights.push_back(*update.blend_alpha);
    if (update.timer == FadeTimer::kStop) {
      run.final_look = update.look;
      return run;
    }
  }
  ADD_FAILURE() << "fade never ended";
  return run;
}

std::vector<int> weights(int from, int step, int count) {
  std::vector<int> w;
  for (int i = 0; i < count; ++i) w.push_back(from + i * step);
  return w;
}

TEST(KeyFade, FadeInDrawsTwentySixFramesThenTheHoverLook) {
  KeyFade key = face_key();
  EXPECT_EQ(key.mouse_enter(), KeyUpdate(KeyLook::kNone, FadeTimer::kStart));
  const FadeRun run = run_fade(key);
  EXPECT_EQ(run.weights, weights(0, 10, 26));  // 0, 10, ..., 250
  EXPECT_EQ(run.final_look, KeyLook::kHover);
  EXPECT_EQ(key.alpha(), 255);
  EXPECT_FALSE(key.fading_in());
}

TEST(KeyFade, FadeOutFromHoverDrawsTwentySixFramesThenTheNormalLook) {
  KeyFade key = face_key();
  key.mouse_enter();
  run_fade(key);
  EXPECT_EQ(key.mouse_leave(), KeyUpdate(KeyLook::kNone, FadeTimer::kStart));
  const FadeRun run = run_fade(key);
  EXPECT_EQ(run.weights, weights(255, -10, 26));  // 255, 245, ..., 5
  EXPECT_EQ(run.final_look, KeyLook::kNormal);
  EXPECT_EQ(key.alpha(), 0);
}

TEST(KeyFade, ReversalContinuesFromTheWeightReached) {
  KeyFade key = face_key();
  key.mouse_enter();
  for (int i = 0; i < 8; ++i) key.tick();  // drew 0..70, now at 80
  EXPECT_EQ(key.alpha(), 80);
  key.mouse_leave();
  EXPECT_TRUE(key.fading_out());
  EXPECT_FALSE(key.fading_in());
  const FadeRun run = run_fade(key);
  EXPECT_EQ(run.weights, weights(80, -10, 9));  // 80, 70, ..., 0
  EXPECT_EQ(run.final_look, KeyLook::kNormal);
}

TEST(KeyFade, LeftPressShowsPressedLookAndReleaseTheHoverLook) {
  KeyFade key = face_key();
  key.mouse_enter();
  key.tick();
  EXPECT_EQ(key.mouse_down(true), KeyUpdate(KeyLook::kPressed, FadeTimer::kStop));
  EXPECT_EQ(key.alpha(), 255);
  EXPECT_FALSE(key.fading_in());
  EXPECT_EQ(key.mouse_up(true), KeyUpdate(KeyLook::kHover, FadeTimer::kStop));
  EXPECT_EQ(key.alpha(), 255);
  // The leave after the release fades out from the full hover weight.
  key.mouse_leave();
  EXPECT_EQ(run_fade(key).weights, weights(255, -10, 26));
}

TEST(KeyFade, OtherButtonsLeaveLookAndFadeAlone) {
  KeyFade key = face_key();
  key.mouse_enter();
  key.tick();
  key.tick();
  EXPECT_EQ(key.mouse_down(false), KeyUpdate{});
  EXPECT_EQ(key.mouse_up(false), KeyUpdate{});
  EXPECT_EQ(key.alpha(), 20);
  EXPECT_TRUE(key.fading_in());
}

TEST(KeyFade, ShowClickSequenceEndsFadingBackToNormal) {
  // Keyboard click: press, pause, release, leave, although the mouse never entered.
  KeyFade key = face_key();
  key.mouse_down(true);
  key.mouse_up(true);
  EXPECT_EQ(key.mouse_leave().timer, FadeTimer::kStart);
  const FadeRun run = run_fade(key);
  EXPECT_EQ(run.weights.front(), 255);
  EXPECT_EQ(run.final_look, KeyLook::kNormal);
}

TEST(KeyFade, WithoutAnimationLooksSwitchAtOnce) {
  KeyFade key;
  key.set_pictures(kFacePictures);
  EXPECT_EQ(key.mouse_enter(), KeyUpdate(KeyLook::kHover));
  EXPECT_EQ(key.mouse_leave(), KeyUpdate(KeyLook::kNormal));
  EXPECT_EQ(key.alpha(), 0);
}

TEST(KeyFade, DisabledKeyDoesNotFadeAndPaintsItsDisabledPictureOnly) {
  KeyFade key = face_key();
  key.set_enabled(false);
  EXPECT_EQ(key.mouse_enter(), KeyUpdate{});
  EXPECT_EQ(key.mouse_leave(), KeyUpdate{});
  EXPECT_EQ(key.paint(), KeyLook::kNone);  // no Image4: nothing drawn
  key.set_pictures({.normal = true, .hover = true, .pressed = false, .disabled = true});
  EXPECT_EQ(key.paint(), KeyLook::kDisabled);
  key.set_enabled(true);
  EXPECT_EQ(key.paint(), KeyLook::kNormal);
}

TEST(KeyFade, TickWithoutBothLooksDrawsNothingAndStopsTheTimer) {
  KeyFade key;
  key.set_ani(true);
  key.set_pictures({.normal = true, .hover = false, .pressed = false, .disabled = false});
  key.mouse_enter();
  EXPECT_EQ(key.tick(), KeyUpdate(KeyLook::kNone, FadeTimer::kStop));
  EXPECT_EQ(key.alpha(), 0);
}

}  // namespace
}  // namespace orvanta
