#include "face_reader.h"

#include <gtest/gtest.h>

#include "face/face_layout.h"
#include "win32/window/scaled_pictures.h"

namespace orvanta::e2e {

FaceReader::FaceReader() {
  const std::wstring exe = program_folder() + L"\\orvanta.exe";
  module_ = LoadLibraryExW(exe.c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module_ == nullptr) ADD_FAILURE() << "cannot load orvanta.exe's resources";
}

const FaceReader::PictureSet& FaceReader::pictures(const face::DisplayScale& scale) const {
  const auto found = sets_.find(scale.dpi());
  if (found != sets_.end()) return found->second;
  PictureSet& set = sets_[scale.dpi()];
  if (module_ == nullptr) return set;
  // The program's own loader: the same pixels it draws.
  win32::ScaledPictures source(module_, scale);
  const auto to_picture = [](const BgrImage& image) {
    Picture p;
    p.width = image.width();
    p.height = image.height();
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const std::uint8_t* px = image.pixel(x, y);
        p.pixels.push_back(static_cast<std::uint32_t>(px[2] << 16 | px[1] << 8 | px[0]));
      }
    }
    return p;
  };
  for (const face::Glyph& glyph : face::kGlyphs) {
    set.glyphs[glyph.character] = to_picture(source.load(glyph.resource));
  }
  for (const face::Indicator& ind : face::kIndicators) {
    set.indicators[std::string(ind.name)] = to_picture(source.load(ind.name));
  }
  return set;
}

face::DisplayScale FaceReader::scale_of(const Capture& c) {
  for (int dpi = face::kBaseDpi; dpi <= 4 * face::kBaseDpi; ++dpi) {
    if (face::DisplayScale(dpi).client_width() == c.width) return face::DisplayScale(dpi);
  }
  return face::DisplayScale(e2e_dpi());
}

FaceReader::~FaceReader() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::uint32_t FaceReader::resource_pixel(const char* name, int x, int y) const {
  if (module_ == nullptr) return 0xFFFFFFFF;
  win32::ScaledPictures source(module_, face::DisplayScale(e2e_dpi()));
  const BgrImage picture = source.load(name);
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return 0xFFFFFFFF;
  const std::uint8_t* px = picture.pixel(x, y);
  return static_cast<std::uint32_t>(px[2] << 16 | px[1] << 8 | px[0]);
}

FaceReader::Picture FaceReader::load(const wchar_t* name) const {
  Picture p;
  const HBITMAP bitmap =
      static_cast<HBITMAP>(LoadImageW(module_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return p;
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  p.width = bm.bmWidth;
  p.height = bm.bmHeight;
  p.pixels.resize(static_cast<size_t>(p.width) * p.height);
  BITMAPINFO info = top_down_bitmap_info(p.width, p.height);
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(p.height), p.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  for (auto& px : p.pixels) px &= 0x00FFFFFF;
  return p;
}

bool FaceReader::matches(const Capture& c, int left, int top, const Picture& p) {
  if (p.width == 0 || left + p.width > c.width || top + p.height > c.height) return false;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (c.at(left + x, top + y) != p.pixels[static_cast<size_t>(y) * p.width + x]) return false;
    }
  }
  return true;
}

std::string FaceReader::lcd_text(const Capture& c) const {
  const face::DisplayScale scale = scale_of(c);
  const PictureSet& set = pictures(scale);
  const face::Rect lcd_area = scale.lcd_area();
  std::string text;
  for (int cell = face::kLcdCellCount - 1; cell >= 0; --cell) {
    const face::Rect r = scale.lcd_cell(cell);
    const int left = lcd_area.left + r.left;
    const int top = lcd_area.top + r.top;
    char found = '?';
    for (const auto& [ch, picture] : set.glyphs) {
      if (matches(c, left, top, picture)) {
        found = ch;
        break;
      }
    }
    if (found == '?') {
      // An empty cell is all LCD background.
      bool empty = true;
      const face::Rgb lcd = face::kLcdColour;
      const std::uint32_t background = lcd.red << 16 | lcd.green << 8 | lcd.blue;
      for (int y = 0; y < r.height && empty; ++y) {
        for (int x = 0; x < r.width && empty; ++x) empty = c.at(left + x, top + y) == background;
      }
      if (empty) found = ' ';
    }
    text += found;
  }
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

bool FaceReader::indicator_visible(const Capture& c, const std::string& name) const {
  const face::DisplayScale scale = scale_of(c);
  const PictureSet& set = pictures(scale);
  const auto it = set.indicators.find(name);
  if (it == set.indicators.end()) return false;
  for (const face::Indicator& ind : face::kIndicators) {
    if (ind.name == name) {
      const face::Rect r = scale.indicator(ind);
      return matches(c, r.left, r.top, it->second);
    }
  }
  return false;
}

POINT FaceReader::key_centre(const std::string& name) {
  const face::DisplayScale scale(e2e_dpi());
  for (const face::FaceKey& k : face::kFaceKeys) {
    if (k.name == name) {
      const face::Rect r = scale.rect(k.rect);
      return {r.left + r.width / 2, r.top + r.height / 2};
    }
  }
  ADD_FAILURE() << "no key " << name;
  return {0, 0};
}

void FaceReader::press_keys(App& app, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const POINT p = key_centre(name);
    app.click(p.x, p.y);
  }
}

bool FaceReader::lcd_shows(const App& app, const std::string& text) const {
  return poll_until([&] { return lcd_text(app.capture()) == text; }, std::chrono::seconds(5));
}

}  // namespace orvanta::e2e
