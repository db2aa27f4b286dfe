#include "win32/window/lcd_view.h"

#include "display/lcd_description.h"
#include "face/face_layout.h"
#include "platform/wide.h"
#include "win32/system/geometry.h"
#include "win32/window/face_accessible.h"

namespace orvanta::win32 {
namespace {

constexpr COLORREF kLcdColour = to_colorref(face::kLcdColour);

}  // namespace

void LcdView::create(ScaledPictures& pictures) {
  const bool again = screen_back_.valid();
  scale_ = pictures.scale();
  for (const face::Glyph& glyph : face::kGlyphs) {
    glyphs_[glyph.character] = pictures.load(glyph.resource);
  }
  for (const face::Indicator& ind : face::kIndicators) {
    const std::string name(ind.name);
    indicators_[name] = pictures.load(name);
  }
  const face::Rect lcd = scale_.lcd_area();
  screen_back_ = Dib(lcd.width, lcd.height);
  screen_back_.fill(kLcdColour);
  canvas_.copy_from(screen_back_.view(), 0, 0, lcd.width, lcd.height, lcd.left, lcd.top);
  if (again) draw(frame_);
}

void LcdView::draw_indicator(const std::string& name, bool visible) {
  if (!visible) return;  // the LCD background underneath is already on the canvas
  const auto it = indicators_.find(name);
  if (it == indicators_.end() || it->second.width() == 0) return;
  for (const face::Indicator& ind : face::kIndicators) {
    if (ind.name == name) {
      const face::Rect r = scale_.indicator(ind);
      canvas_.copy_from(it->second.view(), 0, 0, r.width, r.height, r.left, r.top);
    }
  }
}

void LcdView::show(const LcdFrame& frame) {
  if (!ready()) return;
  draw(frame);
  frame_ = frame;
  // Onto the window at once: the reading is what a key press is for.
  canvas_.show(*owner_, to_rect(scale_.lcd_area()));
  // A new value is said once, without the user moving the focus to the LCD.
  if (std::string value = lcd_value(frame); value != announced_) {
    announced_ = std::move(value);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, *owner_, OBJID_CLIENT, lcd_child_id());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, *owner_, OBJID_CLIENT, lcd_child_id());
  }
  if (drawn_) drawn_();
}

void LcdView::draw(const LcdFrame& frame) {
  screen_back_.fill(kLcdColour);
  for (size_t i = 0; i < LcdFrame::kCells; ++i) {
    const auto it = glyphs_.find(frame.cell(i));
    if (it == glyphs_.end()) continue;  // a blank leaves its cell empty
    const face::Rect cell = scale_.lcd_cell(static_cast<int>(i));
    screen_back_.copy_from(it->second.view(), 0, 0, cell.width, cell.height, cell.left, cell.top);
  }
  const face::Rect lcd = scale_.lcd_area();
  canvas_.copy_from(screen_back_.view(), 0, 0, lcd.width, lcd.height, lcd.left, lcd.top);
  const LcdIndicators& l = frame.lights;
  draw_indicator("sound_on", l.sound_on);
  draw_indicator("mem_on", l.mem_on);
  draw_indicator("error_on", l.error_on);
  draw_indicator("PT_MODE", l.pt_mode);
  draw_indicator("KX_MODE", l.kx_mode);
  draw_indicator("angle_jd", l.angle_jd);
  draw_indicator("angle_hd", l.angle_hd);
  draw_indicator("input_hand", true);
  draw_indicator("add_on", l.add_on);
  draw_indicator("sub_on", l.sub_on);
  draw_indicator("sum_on", l.sum_on);
  draw_indicator("div_on", l.div_on);
  tooltip_ = to_wide(frame.tooltip);
}

}  // namespace orvanta::win32
