#pragma once
// Panel_Color, "自定义皮肤颜色": one slider from −180 to 180 that shifts the colour of the face,
// shown in place over the face by the pop-up menu and hidden by its own button.
#include <functional>

#include "win32/panels/panel.h"

namespace orvanta::win32 {

class SkinPanel : public Panel {
 public:
  static constexpr int kLeft = 19;
  static constexpr int kTop = 200;
  static constexpr int kWidth = 425;
  static constexpr int kHeight = 129;
  static constexpr int kSliderWidth = 393;

  // `on_shift` runs with each new slider position (the user dragged it, clicked beside the
  // thumb or used the keys).
  SkinPanel(PanelHost& host, std::function<void(int shift)> on_shift);

  // Creates the panel, hidden, with the slider at 0, as a child of `parent`.
  bool create(HWND parent);
  // Puts the slider at `shift` (clamped to its range) without reporting it: start-up applies
  // the stored value itself.
  void set_shift(int shift);
  int shift() const;

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_slider();

  std::function<void(int)> on_shift_;
  HWND slider_ = nullptr;
  int last_ = 0;  // the position last reported or set: the slider reports each change once
};

}  // namespace orvanta::win32
