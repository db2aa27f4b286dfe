#pragma once
// Which look an image key shows and how it fades between its normal and hover looks. The
// Win32 key owns the pictures and the timer; this decides what to draw on each event.
#include <optional>

namespace orvanta {

// Which of the key's pictures are assigned.
struct KeyPictures {
  bool normal = false;    // Image1
  bool hover = false;     // Image2
  bool pressed = false;   // Image3
  bool disabled = false;  // Image4
};

enum class KeyLook { kNone, kNormal, kHover, kPressed, kDisabled };
enum class FadeTimer { kUnchanged, kStart, kStop };

// What to do after an event, in this order: draw the blend of the normal and hover looks at
// `blend_alpha` if set, then copy the key's rectangle of `look` if any, then start or stop the
// fade timer.
struct KeyUpdate {
  KeyUpdate(KeyLook look_ = KeyLook::kNone, FadeTimer timer_ = FadeTimer::kUnchanged,
            std::optional<int> blend_alpha_ = std::nullopt)
      : look(look_), timer(timer_), blend_alpha(blend_alpha_) {}

  KeyLook look;
  FadeTimer timer;
  std::optional<int> blend_alpha;

  bool operator==(const KeyUpdate&) const = default;
};

class KeyFade {
 public:
  static constexpr int kTimerIntervalMs = 10;
  static constexpr int kAlphaStep = 10;
  static constexpr int kClickPauseMs = 150;  // ShowClick: press, this pause, release, leave

  void set_pictures(KeyPictures pictures) { pictures_ = pictures; }
  void set_enabled(bool enabled) { enabled_ = enabled; }
  void set_ani(bool ani) { ani_ = ani; }

  // The look a repaint copies: normal when enabled, disabled otherwise, nothing if unassigned.
  KeyLook paint() const;

  KeyUpdate mouse_enter();
  KeyUpdate mouse_leave();
  // Only the left button changes the look; other buttons leave everything as it is.
  KeyUpdate mouse_down(bool left_button);
  KeyUpdate mouse_up(bool left_button);
  KeyUpdate tick();

  int alpha() const { return alpha_; }
  bool fading_in() const { return fading_in_; }
  bool fading_out() const { return fading_out_; }

 private:
  KeyPictures pictures_;
  bool enabled_ = true;
  bool ani_ = false;
  int alpha_ = 0;  // weight of the hover look, 0..255 between ticks
  bool fading_in_ = false;
  bool fading_out_ = false;
};

}  // namespace orvanta
