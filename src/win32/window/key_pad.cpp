#include "win32/window/key_pad.h"

#include <algorithm>

#include "face/face_layout.h"
#include "win32/system/geometry.h"

namespace orvanta::win32 {

void KeyPad::create(const FacePictures& pictures, const face::DisplayScale& scale) {
  if (!keys_.empty()) {
    rescale(scale);
    return;
  }
  for (const face::FaceKey& k : face::kFaceKeys) {
    const int index = static_cast<int>(keys_.size());
    keys_.emplace_back(std::string(k.name), to_rect(scale.rect(k.rect)));
    keys_.back().set_pictures(pictures);
    keys_.back().set_ani(true);
    events_.push_back(k.event);
    fade_timers_.push_back(timers_.add([this, index] { apply(index, key(index).tick(canvas_)); }));
  }
}

void KeyPad::rescale(const face::DisplayScale& scale) {
  for (size_t i = 0; i < keys_.size(); ++i)
    keys_[i].set_bounds(to_rect(scale.rect(face::kFaceKeys[i].rect)));
}

int KeyPad::key_at(POINT p) const {
  for (size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i].contains(p)) return static_cast<int>(i);
  }
  return -1;
}

void KeyPad::paint_all() const {
  for (const TQELButton_computer& k : keys_) k.paint(canvas_);
}

void KeyPad::apply(int index, FadeTimer timer) {
  InvalidateRect(*owner_, &key(index).bounds(), FALSE);
  set_timer(index, timer);
}

void KeyPad::show_now(int index, FadeTimer timer) {
  canvas_.show(*owner_, key(index).bounds());
  set_timer(index, timer);
}

void KeyPad::set_timer(int index, FadeTimer timer) {
  const TimerTable::Id id = fade_timers_[static_cast<size_t>(index)];
  if (timer == FadeTimer::kStart) {
    timers_.start(id, KeyFade::kTimerIntervalMs);
  } else if (timer == FadeTimer::kStop) {
    timers_.stop(id);
  }
}

void KeyPad::run(int index, MouseButton button, face::KeyMouse mouse) {
  if (face::runs_handler(events_[static_cast<size_t>(index)], mouse)) {
    // Screen readers hear of the press (the face's accessible children are the keys, from 1).
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, *owner_, OBJID_CLIENT, index + 1);
    run_(key(index).name(), button);
  }
}

void KeyPad::mouse_move(POINT p) {
  const int index = key_at(p);
  if (index == hovered_) return;
  if (hovered_ >= 0) {
    const int old = hovered_;
    apply(old, key(old).mouse_leave(canvas_));
  }
  hovered_ = index;
  if (index >= 0) apply(index, key(index).mouse_enter(canvas_));
}

void KeyPad::mouse_leave() {
  if (hovered_ >= 0 && pressed_ < 0) {
    const int old = hovered_;
    hovered_ = -1;
    apply(old, key(old).mouse_leave(canvas_));
  }
}

bool KeyPad::button_down(POINT p, MouseButton button) {
  const int index = key_at(p);
  if (index < 0) return false;
  pressed_ = index;
  pressed_button_ = button;
  SetCapture(*owner_);
  const bool left = button == MouseButton::Left;
  // The pressed look shows before the handler's work, put on the window at once. (The keyboard's
  // focus frame, which a paint draws over the keys, is hidden by a mouse press.)
  show_now(index, key(index).mouse_down(left, canvas_));
  run(index, button, {face::KeyMouse::Phase::kDown, left});
  return true;
}

bool KeyPad::button_up(POINT p, MouseButton button) {
  if (pressed_ < 0 || button != pressed_button_) return false;
  const int index = pressed_;
  pressed_ = -1;
  ReleaseCapture();
  const bool left = button == MouseButton::Left;
  const bool over = key(index).contains(p);
  show_now(index, key(index).mouse_up(left, canvas_));
  if (!over) {
    // Released outside: the key fades back rather than keeping its hover look.
    if (hovered_ == index) hovered_ = -1;
    apply(index, key(index).mouse_leave(canvas_));
  }
  run(index, button, {face::KeyMouse::Phase::kUp, left, over});
  return true;
}

bool KeyPad::show_click(std::string_view name, MouseButton button) {
  const auto it = std::find_if(keys_.begin(), keys_.end(),
                               [&](const TQELButton_computer& k) { return k.name() == name; });
  if (it == keys_.end()) return false;
  const int index = static_cast<int>(it - keys_.begin());
  const bool left = button == MouseButton::Left;
  apply(index, it->mouse_down(true, canvas_));
  UpdateWindow(*owner_);
  if (left) {
    run(index, button, {face::KeyMouse::Phase::kDown, true});
  } else {
    run_(key(index).name(), button);
  }
  Sleep(KeyFade::kClickPauseMs);
  apply(index, key(index).mouse_up(true, canvas_));
  if (hovered_ == index) hovered_ = -1;
  apply(index, key(index).mouse_leave(canvas_));
  if (left) run(index, MouseButton::Left, {face::KeyMouse::Phase::kUp, true});
  return true;
}

}  // namespace orvanta::win32
