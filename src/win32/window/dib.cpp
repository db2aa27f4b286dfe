#include "win32/window/dib.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "win32/system/win_check.h"

namespace orvanta::win32 {

BITMAPINFO top_down_bitmap_info(int width, int height, WORD bits_per_pixel) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first, as BgrView expects
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits_per_pixel;
  return info;
}

Dib::Dib(int width, int height) : width_(width), height_(height) {
  stride_ = (width * 3 + 3) & ~3;
  const BITMAPINFO info = top_down_bitmap_info(width, height, 24);
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!check(static_cast<bool>(bitmap_), L"CreateDIBSection")) return;
  bits_ = static_cast<std::uint8_t*>(bits);
  dc_.reset(CreateCompatibleDC(nullptr));
  check(static_cast<bool>(dc_), L"CreateCompatibleDC");
  old_ = SelectObject(dc_.get(), bitmap_.get());
}

Dib::Dib(Dib&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      bits_(std::exchange(other.bits_, nullptr)),
      bitmap_(std::move(other.bitmap_)),
      dc_(std::move(other.dc_)),
      old_(std::exchange(other.old_, nullptr)) {}

Dib& Dib::operator=(Dib&& other) noexcept {
  if (this == &other) return *this;
  deselect();
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  stride_ = std::exchange(other.stride_, 0);
  bits_ = std::exchange(other.bits_, nullptr);
  dc_ = std::move(other.dc_);
  bitmap_ = std::move(other.bitmap_);
  old_ = std::exchange(other.old_, nullptr);
  return *this;
}

Dib::~Dib() {
  deselect();
}

void Dib::deselect() {
  if (dc_ && old_ != nullptr) SelectObject(dc_.get(), old_);
  old_ = nullptr;
}

void Dib::show(HWND window, const RECT& r) const {
  if (window == nullptr) return;  // GetDC(nullptr) would draw on the screen
  const HDC dc = GetDC(window);
  if (dc == nullptr) return;
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, dc_.get(), r.left, r.top, SRCCOPY);
  ReleaseDC(window, dc);
}

void Dib::fill(COLORREF colour) {
  if (!valid()) return;
  const std::uint8_t b = GetBValue(colour), g = GetGValue(colour), r = GetRValue(colour);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = bits_ + y * stride_;
    for (int x = 0; x < width_; ++x, p += 3) {
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
}

void Dib::copy_from(ConstBgrView source, int left, int top, int width, int height) {
  copy_from(source, left, top, width, height, left, top);
}

void Dib::copy_from(ConstBgrView source, int src_left, int src_top, int width, int height,
                    int dst_left, int dst_top) {
  if (!valid() || source.data == nullptr) return;
  // Clip to both pictures.
  width = std::min({width, source.width - src_left, width_ - dst_left});
  height = std::min({height, source.height - src_top, height_ - dst_top});
  if (width <= 0 || height <= 0 || src_left < 0 || src_top < 0 || dst_left < 0 || dst_top < 0)
    return;
  GdiFlush();
  for (int y = 0; y < height; ++y) {
    std::memcpy(bits_ + (dst_top + y) * stride_ + dst_left * 3,
                source.row(src_top + y) + src_left * 3, static_cast<size_t>(width) * 3);
  }
}

BgrImage load_bitmap_resource(HINSTANCE instance, const wchar_t* name) {
  UniqueBitmap bitmap(
      static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!check(static_cast<bool>(bitmap), L"LoadImageW(bitmap)")) return {};
  BITMAP bm{};
  GetObjectW(bitmap.get(), sizeof bm, &bm);
  BgrImage image(bm.bmWidth, bm.bmHeight);
  BITMAPINFO info = top_down_bitmap_info(bm.bmWidth, bm.bmHeight, 24);
  const HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap.get(), 0, static_cast<UINT>(bm.bmHeight),
                             image.view().data, &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  check(rows == bm.bmHeight, L"GetDIBits");
  return image;
}

}  // namespace orvanta::win32
