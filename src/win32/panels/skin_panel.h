#pragma once
// Panel_Color, "自定义皮肤颜色": one slider from −180 to 180 that shifts the colour of the face,
// shown in place over the face by the pop-up menu and hidden by its own button.
#include <windows.h>

#include "platform/handles_win32.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {

class SkinPanelHost {
 public:
  // The slider moved to `shift` (the user dragged it, clicked beside the thumb or used the keys).
  virtual void skin_shift_changed(int shift) = 0;

 protected:
  ~SkinPanelHost() = default;
};

class SkinPanel : public BaseWindow<SkinPanel> {
 public:
  static constexpr int kLeft = 19;
  static constexpr int kTop = 200;
  static constexpr int kWidth = 425;
  static constexpr int kHeight = 129;
  static constexpr int kSliderWidth = 393;

  explicit SkinPanel(SkinPanelHost& host) : host_(host) {}
  SkinPanel(const SkinPanel&) = delete;
  SkinPanel& operator=(const SkinPanel&) = delete;
  ~SkinPanel() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }

  // Creates the panel, hidden, with the slider at 0, as a child of `parent`.
  bool create(HWND parent);
  // Puts the slider at `shift` (clamped to its range) without reporting it: start-up applies
  // the stored value itself.
  void set_shift(int shift);
  int shift() const;

  void show();
  void hide();
  bool visible() const;

 private:
  friend class BaseWindow<SkinPanel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);
  void on_slider();

  SkinPanelHost& host_;
  HWND slider_ = nullptr;
  int last_ = 0;  // the position last reported or set: the slider reports each change once
  UniqueFont font_;
  PanelLook look_{GetSysColor(COLOR_BTNFACE)};
};

}  // namespace orvanta::win32
