#pragma once
// The LCD on the face: a frame of the core (14 cells, indicators, tooltip) composed off-screen
// from the glyph and indicator pictures, then copied onto the window's canvas in one piece, so
// no half-drawn number is ever shown.
#include <windows.h>

#include <map>
#include <string>

#include "display/lcd_frame.h"
#include "face/bgr_image.h"
#include "win32/face/dib.h"

namespace orvanta::win32 {

class LcdView {
 public:
  explicit LcdView(Dib& canvas) : canvas_(canvas) {}
  LcdView(const LcdView&) = delete;
  LcdView& operator=(const LcdView&) = delete;

  // Loads the glyphs and indicator pictures and puts the empty LCD on the canvas.
  void create(HINSTANCE instance);
  bool ready() const { return screen_back_.valid() && canvas_.valid(); }
  // Composes `frame` onto the canvas; the caller invalidates the LCD rectangle.
  void draw(const LcdFrame& frame);
  // The tooltip of the frame last drawn.
  wchar_t* tooltip() { return tooltip_.data(); }

 private:
  void draw_indicator(const std::string& name, bool visible);

  Dib& canvas_;
  Dib screen_back_;  // the LCD alone, composed before it goes onto the canvas
  std::map<char, BgrImage> glyphs_;
  std::map<std::string, BgrImage> indicators_;
  std::wstring tooltip_;
};

}  // namespace orvanta::win32
