#pragma once
// Which mouse event of a face key runs its handler. Keys run on the button going down (press),
// on it coming up (release), on a completed left click (click), or on both down and up; the
// window asks this for every event, and a click played from the keyboard asks it too.
#include "face/face_layout.h"

namespace orvanta::face {

struct KeyMouse {
  enum class Phase { kDown, kUp };
  Phase phase;
  bool left;         // the left button (a click played from the keyboard is a left click)
  bool over = true;  // on kUp: the button came up over the key, not outside it
};

bool runs_handler(KeyEvent event, const KeyMouse& mouse);

}  // namespace orvanta::face
