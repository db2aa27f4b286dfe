#pragma once
// Panel_Tip: the first-run tip shown in place over the face ten seconds after a first start.
#include <windows.h>

#include "platform/handles_win32.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {

class TipPanelHost {
 public:
  // "帮　助": open the help window (the tip stays).
  virtual void tip_help_requested() = 0;

 protected:
  ~TipPanelHost() = default;
};

class TipPanel : public BaseWindow<TipPanel> {
 public:
  static constexpr int kLeft = 34;
  static constexpr int kTop = 126;
  static constexpr int kWidth = 399;
  static constexpr int kHeight = 187;
  static constexpr COLORREF kColour = RGB(166, 202, 240);
  static constexpr int kLineCount = 9;
  static const wchar_t* const kLines[kLineCount];

  explicit TipPanel(TipPanelHost& host) : host_(host) {}
  TipPanel(const TipPanel&) = delete;
  TipPanel& operator=(const TipPanel&) = delete;
  ~TipPanel() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }

  // Creates the tip, hidden, as a child of `parent`.
  bool create(HWND parent);
  // Shows it at its place on top of its siblings; "知道了" hides it.
  void show();
  void hide();
  bool visible() const;

 private:
  friend class BaseWindow<TipPanel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);
  void paint();

  TipPanelHost& host_;
  UniqueFont font_;
  UniqueFont caption_font_;
  PanelLook look_{kColour};
};

}  // namespace orvanta::win32
