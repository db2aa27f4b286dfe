#pragma once
// The face's image keys: their looks cut from the three face pictures, their fade timers, and
// which mouse event of which key runs its handler (the portable face::runs_handler).
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/mouse_button.h"
#include "face/display_scale.h"
#include "face/key_events.h"
#include "win32/system/timer_table.h"
#include "win32/window/dib.h"
#include "win32/window/image_key.h"

namespace orvanta::win32 {

class KeyPad {
 public:
  // Runs the handler of the key with this name.
  using RunKey = std::function<void(const std::string& name, MouseButton button)>;

  // The keys draw on `canvas`, which the window `owner` shows.
  KeyPad(const HWND* owner, Dib& canvas, TimerTable& timers, RunKey run)
      : owner_(owner), canvas_(canvas), timers_(timers), run_(std::move(run)) {}
  KeyPad(const KeyPad&) = delete;
  KeyPad& operator=(const KeyPad&) = delete;

  // One key per entry of the face layout, each with its fade timer.
  void create(const FacePictures& pictures, const face::DisplayScale& scale);
  // The keys placed at another scale (their pictures come from the same face pictures).
  void rescale(const face::DisplayScale& scale);
  const std::vector<TQELButton_computer>& keys() const { return keys_; }
  // Index of the key under `p`, or -1.
  int key_at(POINT p) const;
  // Every key in its present look (after the face pictures were recoloured).
  void paint_all() const;

  // The mouse over the face; the button calls return false when `p` is on no key.
  void mouse_move(POINT p);
  void mouse_leave();
  bool button_down(POINT p, MouseButton button);
  bool button_up(POINT p, MouseButton button);
  // ShowClick: a whole click played on the named key, as chosen from the keyboard: press look,
  // a 150 ms pause, hover look, then the fade back, running the key's handler as a left click
  // does. A key bound to a right-button function (the square root) runs that function once.
  // False when the face has no key of that name.
  bool show_click(std::string_view name, MouseButton button = MouseButton::Left);

 private:
  // The key's new look goes to the window's next paint; its fade timer starts or stops.
  void apply(int index, FadeTimer timer);
  // Likewise, but the key's new look goes onto the window now.
  void show_now(int index, FadeTimer timer);
  void set_timer(int index, FadeTimer timer);
  void run(int index, MouseButton button, face::KeyMouse mouse);
  TQELButton_computer& key(int index) { return keys_[static_cast<size_t>(index)]; }

  const HWND* owner_;
  Dib& canvas_;
  TimerTable& timers_;
  RunKey run_;
  std::vector<TQELButton_computer> keys_;
  std::vector<face::KeyEvent> events_;       // when each key runs its handler
  std::vector<TimerTable::Id> fade_timers_;  // each key's fade timer
  int hovered_ = -1;
  int pressed_ = -1;
  MouseButton pressed_button_ = MouseButton::Left;
};

}  // namespace orvanta::win32
