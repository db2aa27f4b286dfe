#pragma once
// The keyboard's focus on the face: a mark on one key that Tab and the arrows move across the
// keys and Space or Enter presses. It shows once the keyboard moves it and goes when the mouse
// presses the face. In high contrast it takes the system's highlight colour.
#include <windows.h>

#include "face/display_scale.h"
#include "face/key_navigation.h"

namespace orvanta::win32 {

class KeyFocus {
 public:
  // The mark is drawn on the window at `owner`.
  explicit KeyFocus(const HWND* owner) : owner_(owner) {}

  // The focused key (an index into kFaceKeys), -1 while no mark shows.
  int key() const { return key_; }
  void move(face::KeyStep step);
  void hide();
  // The mark, over what the window has just painted.
  void draw(HDC dc) const;
  // The face's scale, where the keys are.
  void set_scale(const face::DisplayScale& scale) { scale_ = scale; }

 private:
  void invalidate() const;
  RECT mark_rect(int key) const;

  const HWND* owner_;
  int key_ = -1;
  face::DisplayScale scale_;
};

}  // namespace orvanta::win32
