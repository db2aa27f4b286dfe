#include "win32/features/converter/converter_feature.h"

#include "face/window_drag.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

RECT rect_of(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace

void ConverterFeature::attach(FeatureContext& context) {
  context_ = &context;
  context.key("kdwhs", [this](MouseButton b) { converter_key(b); });
}

TForm2& ConverterFeature::window() {
  if (!window_) {
    window_ = std::make_unique<TForm2>(converter_);
    window_->create(context_->window().hwnd(), beside_face(), context_->panels().scale());
  }
  return *window_;
}

// Where offset_ puts the converter's top-left beside the face, at the face's scale.
POINT ConverterFeature::beside_face() const {
  const RECT main = rect_of(context_->window().hwnd());
  const face::DisplayScale& at = context_->panels().scale();
  return {main.left + at(offset_.x), main.top + at(offset_.y)};
}

void ConverterFeature::put_beside_face() {
  const POINT at = beside_face();
  check(SetWindowPos(window_->hwnd(), nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos (converter)");
}

void ConverterFeature::converter_key(MouseButton button) {
  const bool down = !key_down_;
  key_down_ = down;
  if (button != MouseButton::Left) return;
  if (down) {
    if (window_) window_->reset_column_widths();
    return;
  }
  if (window_ && window_->showing()) {
    close();
    return;
  }
  const HWND main = context_->window().hwnd();
  SetForegroundWindow(main);
  window().show_at(rect_of(main).left + context_->panels().scale()(TForm2::kBesideMainWindow));
  offset_.x = TForm2::kBesideMainWindow;
}

void ConverterFeature::close() {
  if (window_) window_->close();
}

void ConverterFeature::window_dragged(POINT offset) {
  if (!window_ || window_->hwnd() == nullptr) return;  // made later, where the calculator is then
  const RECT r = rect_of(window_->hwnd());
  check(SetWindowPos(window_->hwnd(), nullptr, r.left + offset.x, r.top + offset.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos (converter drag)");
}

// The face moved to a monitor of another scale: the converter is laid out at it and stands where
// it was last put beside the face, at the new scale.
void ConverterFeature::scale_changed(const face::DisplayScale& scale) {
  if (!window_ || window_->hwnd() == nullptr) return;
  window_->rescale(scale);
  put_beside_face();
}

void ConverterFeature::mini_mode_changed(bool on) {
  if (on) {
    close();
    return;
  }
  // Leaving mini mode puts the converter beside the calculator's top-left, visible or not.
  offset_ = {WindowDrag::kConverterAfterMini.x, WindowDrag::kConverterAfterMini.y};
  if (!window_ || window_->hwnd() == nullptr) return;
  put_beside_face();
}

}  // namespace orvanta::win32
