#pragma once
// Reads the calculator's face as a user does: the 14 LCD cells matched against the program's
// own glyph pictures, the indicator lights by their pixels, and key positions by name, at the
// scale the face is shown at (told by the capture's size; the run's scale for key positions).
#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>

#include "face/display_scale.h"
#include "harness.h"

namespace orvanta::e2e {

class FaceReader {
 public:
  // Loads the glyph and indicator pictures from orvanta.exe beside the test program.
  FaceReader();
  ~FaceReader();

  // The characters in the 14 cells, left to right, leading empty cells dropped.
  std::string lcd_text(const Capture& c) const;
  bool indicator_visible(const Capture& c, const std::string& name) const;
  // Centre of a face key, by handler name, at the run's scale (e2e_dpi()).
  static POINT key_centre(const std::string& name);
  // The scale of a face captured whole.
  static face::DisplayScale scale_of(const Capture& c);
  // Left clicks on face keys, by handler name, one after the other.
  static void press_keys(App& app, std::initializer_list<const char*> names);
  // Polls until the LCD reads `text`.
  bool lcd_shows(const App& app, const std::string& text) const;
  // One pixel (0x00RRGGBB) of a picture of orvanta.exe as the program draws it at the run's
  // scale, such as the unrecoloured face "Image2", at (x, y) of that scale; 0xFFFFFFFF when there
  // is no such picture or pixel.
  std::uint32_t resource_pixel(const char* name, int x, int y) const;

 private:
  struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
  };
  struct PictureSet {
    std::map<char, Picture> glyphs;
    std::map<std::string, Picture> indicators;
  };
  Picture load(const wchar_t* name) const;
  static bool matches(const Capture& c, int left, int top, const Picture& p);
  // The glyphs and indicators as the program draws them at `scale`, loaded when first asked.
  const PictureSet& pictures(const face::DisplayScale& scale) const;

  HMODULE module_ = nullptr;
  mutable std::map<int, PictureSet> sets_;
};

}  // namespace orvanta::e2e
