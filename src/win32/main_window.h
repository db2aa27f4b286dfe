#pragma once
// Tcomputer_qel: the calculator's one borderless, top-most window.
#include <windows.h>

#include "base_window.h"

namespace orvanta::win32 {

class Tcomputer_qel : public BaseWindow<Tcomputer_qel> {
 public:
  static constexpr int kLeft = 199;
  static constexpr int kTop = 112;
  static constexpr int kClientWidth = 464;
  static constexpr int kClientHeight = 512;
  static constexpr COLORREF kLcdColour = RGB(198, 234, 244);

  // Registers the class and creates the window (hidden). Returns false on failure.
  bool create(HINSTANCE instance);
  void show();

 private:
  friend class BaseWindow<Tcomputer_qel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);
  void paint();
};

}  // namespace orvanta::win32
