#include "face_reader.h"

#include <gtest/gtest.h>

#include "face/face_layout.h"

namespace orvanta::e2e {

FaceReader::FaceReader() {
  const std::wstring exe = program_folder() + L"\\orvanta.exe";
  module_ = LoadLibraryExW(exe.c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module_ == nullptr) {
    ADD_FAILURE() << "cannot load orvanta.exe's resources";
    return;
  }
  for (const face::Glyph& glyph : face::kGlyphs) {
    const std::string_view name = glyph.resource;
    glyphs_[glyph.character] = load(std::wstring(name.begin(), name.end()).c_str());
  }
  for (const face::Indicator& ind : face::kIndicators) {
    const std::string name(ind.name);
    indicators_[name] = load(std::wstring(name.begin(), name.end()).c_str());
  }
}

FaceReader::~FaceReader() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::uint32_t FaceReader::resource_pixel(const wchar_t* name, int x, int y) const {
  const Picture p = load(name);
  if (x < 0 || y < 0 || x >= p.width || y >= p.height) return 0xFFFFFFFF;
  return p.pixels[static_cast<size_t>(y) * p.width + x];
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
  std::string text;
  for (int cell = face::kLcdCellCount - 1; cell >= 0; --cell) {
    const face::Rect r = face::lcd_cell(cell);
    const int left = face::kLcdArea.left + r.left;
    const int top = face::kLcdArea.top + r.top;
    char found = '?';
    for (const auto& [ch, picture] : glyphs_) {
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
  const auto it = indicators_.find(name);
  if (it == indicators_.end()) return false;
  for (const face::Indicator& ind : face::kIndicators) {
    if (ind.name == name) return matches(c, ind.rect.left, ind.rect.top, it->second);
  }
  return false;
}

POINT FaceReader::key_centre(const std::string& name) {
  for (const face::FaceKey& k : face::kFaceKeys) {
    if (k.name == name) return {k.rect.left + k.rect.width / 2, k.rect.top + k.rect.height / 2};
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
