#include "face/key_fade.h"

namespace orvanta {

KeyLook KeyFade::paint() const {
  if (enabled_) return pictures_.normal ? KeyLook::kNormal : KeyLook::kNone;
  return pictures_.disabled ? KeyLook::kDisabled : KeyLook::kNone;
}

KeyUpdate KeyFade::mouse_enter() {
  if (ani_ && enabled_) {
    fading_in_ = true;
    fading_out_ = false;
    return {KeyLook::kNone, FadeTimer::kStart};
  }
  if (enabled_ && pictures_.hover) return KeyLook::kHover;
  return {};
}

KeyUpdate KeyFade::mouse_leave() {
  if (ani_ && enabled_) {
    fading_out_ = true;
    fading_in_ = false;
    return {KeyLook::kNone, FadeTimer::kStart};
  }
  if (enabled_ && pictures_.normal) return KeyLook::kNormal;
  return {};
}

KeyUpdate KeyFade::mouse_down(bool left_button) {
  if (!left_button) return {};
  fading_in_ = fading_out_ = false;
  alpha_ = 255;
  return {pictures_.pressed ? KeyLook::kPressed : KeyLook::kNone, FadeTimer::kStop};
}

KeyUpdate KeyFade::mouse_up(bool left_button) {
  if (!left_button) return {};
  fading_in_ = fading_out_ = false;
  return {pictures_.hover ? KeyLook::kHover : KeyLook::kNone, FadeTimer::kStop};
}

KeyUpdate KeyFade::tick() {
  // A key without both looks, or a tick left over after the fade ended, has nothing to fade:
  // stop the timer rather than let it tick for nothing.
  if (!pictures_.normal || !pictures_.hover || (!fading_in_ && !fading_out_)) {
    return {KeyLook::kNone, FadeTimer::kStop};
  }
  KeyUpdate update(KeyLook::kNone, FadeTimer::kUnchanged, alpha_);
  alpha_ += fading_in_ ? kAlphaStep : -kAlphaStep;
  if (alpha_ >= 0 && alpha_ <= 255) return update;
  if (fading_in_) {
    alpha_ = 255;
    update.look = KeyLook::kHover;
  } else {
    alpha_ = 0;
    update.look = KeyLook::kNormal;
  }
  fading_in_ = fading_out_ = false;
  update.timer = FadeTimer::kStop;
  return update;
}

}  // namespace orvanta
