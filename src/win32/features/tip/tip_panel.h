#pragma once
// Panel_Tip: the first-run tip shown in place over the face ten seconds after a first start.
#include <functional>

#include "win32/panels/panel.h"

namespace orvanta::win32 {

class TipPanel : public Panel {
 public:
  static constexpr int kLeft = 34;
  static constexpr int kTop = 126;
  static constexpr int kWidth = 399;
  static constexpr int kHeight = 187;
  static constexpr COLORREF kColour = RGB(166, 202, 240);
  static constexpr int kLineCount = 9;
  static const wchar_t* const kLines[kLineCount];

  // `on_help` runs for "帮　助" (the tip stays); "知道了" hides the tip.
  TipPanel(PanelHost& host, std::function<void()> on_help);

  // Creates the tip, hidden, as a child of `parent`.
  bool create(HWND parent);

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint();

  std::function<void()> on_help_;
};

}  // namespace orvanta::win32
