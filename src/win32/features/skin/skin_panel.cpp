#include "win32/features/skin/skin_panel.h"

#include <commctrl.h>

#include "face/skin_colour.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaSkinPanel";
constexpr int kSliderId = 300;
constexpr int kOkId = 301;
constexpr int kSliderLeft = (SkinPanel::kWidth - SkinPanel::kSliderWidth) / 2;
constexpr int kSliderTop = 42;
constexpr int kTickStep = 30;  // a mark every 30 steps of hue

}  // namespace

// No WS_CLIPCHILDREN: the group box leaves its inside to the panel's painting.
SkinPanel::SkinPanel(PanelHost& host, std::function<void(int shift)> on_shift)
    : Panel(host, {kClassName, L"自定义皮肤颜色", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE)}),
      on_shift_(std::move(on_shift)) {}

bool SkinPanel::create(HWND parent) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  check(InitCommonControlsEx(&icc) != FALSE, L"InitCommonControlsEx");
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  create_child(hwnd_, L"BUTTON", L"自定义皮肤颜色", BS_GROUPBOX,
               at(RECT{6, 3, kWidth - 6, kHeight - 4}), -1, font);
  // "0" stands over the middle of the slider, where the unshifted face is.
  constexpr int kMiddle = kSliderLeft + kSliderWidth / 2;
  create_child(hwnd_, L"STATIC", L"0", SS_CENTER, at(RECT{kMiddle - 10, 24, kMiddle + 10, 38}), -1,
               font);
  slider_ =
      create_child(hwnd_, TRACKBAR_CLASSW, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP,
                   at(RECT{kSliderLeft, kSliderTop, kSliderLeft + kSliderWidth, kSliderTop + 30}),
                   kSliderId, nullptr);
  if (slider_ == nullptr) return false;
  // Separate messages: TBM_SETRANGE packs both ends in 16-bit halves, which a negative
  // minimum does not survive.
  SendMessageW(slider_, TBM_SETRANGEMIN, FALSE, kSkinShiftMin);
  SendMessageW(slider_, TBM_SETRANGEMAX, FALSE, kSkinShiftMax);
  SendMessageW(slider_, TBM_SETTICFREQ, kTickStep, 0);
  SendMessageW(slider_, TBM_SETPAGESIZE, 0, kTickStep);
  SendMessageW(slider_, TBM_SETPOS, TRUE, 0);
  create_child(hwnd_, L"BUTTON", L"确 定", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{kWidth / 2 - 40, 87, kWidth / 2 + 40, 111}), kOkId, font);
  return true;
}

void SkinPanel::set_shift(int shift) {
  last_ = clamp_skin_shift(shift);
  SendMessageW(slider_, TBM_SETPOS, TRUE, last_);
}

int SkinPanel::shift() const {
  return static_cast<int>(SendMessageW(slider_, TBM_GETPOS, 0, 0));
}

// The slider notifies several times for one move (the thumb's track and its end); each new
// position is reported once.
void SkinPanel::on_slider() {
  const int now = shift();
  if (now == last_) return;
  last_ = now;
  on_shift_(now);
}

LRESULT SkinPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lp) == slider_) on_slider();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kOkId) hide();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
