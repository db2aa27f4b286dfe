#pragma once
// The face as screen readers see it (WM_GETOBJECT): every key a push button named as a person
// would say it, unavailable in a base where it does nothing, with its place and the default
// action "按下"; the LCD a static text whose value is what it shows, its lights as its
// description. Children: the keys of kFaceKeys (child id = index + 1), then the LCD.
#include <windows.h>
// windows.h first
#include <oleacc.h>

#include "display/lcd_frame.h"
#include "face/display_scale.h"
#include "numeric/number_base.h"

namespace orvanta::win32 {

// What the accessible object asks the face, whose window it holds.
class AccessibleFace {
 public:
  virtual ~AccessibleFace() = default;
  virtual const LcdFrame& shown_frame() const = 0;
  virtual NumberBase shown_base() const = 0;
  virtual int focused_key() const = 0;  // -1 for none
  virtual void press(int key) = 0;
  virtual face::DisplayScale shown_scale() const = 0;
};

// The child id of the LCD.
LONG lcd_child_id();

// WM_GETOBJECT for OBJID_CLIENT: the answer for the face window `face`, whose facts `source`
// resolves while the window lives. 0 when no object could be made.
LRESULT answer_face_accessibility(HWND face, WPARAM wp, AccessibleFace* (*source)(HWND));

}  // namespace orvanta::win32
