#pragma once
// The LCD on the face, the core's LcdRenderer: a frame (14 cells, indicators, tooltip) composed
// off-screen from the glyph and indicator pictures, then copied onto the window's canvas in one
// piece, so no half-drawn number is ever shown.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "display/lcd_frame.h"
#include "engine/ports/lcd_renderer.h"
#include "face/bgr_image.h"
#include "win32/window/dib.h"
#include "win32/window/scaled_pictures.h"

namespace orvanta::win32 {

class LcdView : public LcdRenderer {
 public:
  // Draws on `canvas`, which the window at `owner` shows; `drawn` runs after each frame.
  LcdView(Dib& canvas, const HWND* owner, std::function<void()> drawn)
      : canvas_(canvas), owner_(owner), drawn_(std::move(drawn)) {}
  LcdView(const LcdView&) = delete;
  LcdView& operator=(const LcdView&) = delete;

  // Loads the glyphs and indicator pictures of the scale and puts the LCD on the canvas: empty
  // at first, with the frame last shown when the scale changes.
  void create(ScaledPictures& pictures);
  bool ready() const { return screen_back_.valid() && canvas_.valid(); }
  // Composes `frame` onto the canvas and invalidates the LCD's rectangle of the window.
  void show(const LcdFrame& frame) override;
  // The tooltip of the frame last drawn, and the frame.
  wchar_t* tooltip() { return tooltip_.data(); }
  const LcdFrame& frame() const { return frame_; }

 private:
  void draw_indicator(const std::string& name, bool visible);

  void draw(const LcdFrame& frame);

  Dib& canvas_;
  const HWND* owner_;
  std::function<void()> drawn_;
  face::DisplayScale scale_;
  Dib screen_back_;  // the LCD alone, composed before it goes onto the canvas
  std::map<char, BgrImage> glyphs_;
  std::map<std::string, BgrImage> indicators_;
  std::wstring tooltip_;
  LcdFrame frame_;
  std::string announced_;  // the value screen readers last heard of
};

}  // namespace orvanta::win32
