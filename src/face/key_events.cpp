#include "face/key_events.h"

namespace orvanta::face {

bool runs_handler(KeyEvent event, const KeyMouse& mouse) {
  if (mouse.phase == KeyMouse::Phase::kDown) {
    return event == KeyEvent::kPress || event == KeyEvent::kPressAndRelease;
  }
  switch (event) {
    case KeyEvent::kRelease:
    case KeyEvent::kPressAndRelease:
      return true;  // any button, over the key or not: the handler looks at the button itself
    case KeyEvent::kClick:
      return mouse.left && mouse.over;
    case KeyEvent::kPress:
      return false;
  }
  return false;
}

}  // namespace orvanta::face
