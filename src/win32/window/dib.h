#pragma once
// A 24-bit top-down DIB section with its own memory DC: the off-screen surfaces of the window.
#include <windows.h>

#include "face/bgr_image.h"
#include "platform/handles_win32.h"

namespace orvanta::win32 {

class Dib {
 public:
  Dib() = default;
  Dib(int width, int height);
  // Moves hand over the bitmap with its DC; a surface that is replaced first takes its bitmap
  // out of its DC, so no bitmap is deleted while still selected.
  Dib(Dib&& other) noexcept;
  Dib& operator=(Dib&& other) noexcept;
  ~Dib();

  bool valid() const { return static_cast<bool>(bitmap_); }
  int width() const { return width_; }
  int height() const { return height_; }
  HDC dc() const { return dc_.get(); }
  BgrView view() const { return {bits_, width_, height_, stride_}; }

  void fill(COLORREF colour);
  // Copies `r` of this surface onto `window` (same coordinates) now, without waiting for a paint:
  // an invalidation and the paint it brings cost several round trips to the window system.
  void show(HWND window, const RECT& r) const;
  // Copies a rectangle of `source` (same coordinates) into this surface.
  void copy_from(ConstBgrView source, int left, int top, int width, int height);
  void copy_from(ConstBgrView source, int src_left, int src_top, int width, int height,
                 int dst_left, int dst_top);

 private:
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t stride_ = 0;
  std::uint8_t* bits_ = nullptr;
  UniqueBitmap bitmap_;  // declared before the DC, which is destroyed first
  UniqueMemoryDc dc_;
  HGDIOBJ old_ = nullptr;

  void deselect();
};

// The header of a top-down DIB of this size and depth, without a colour table.
BITMAPINFO top_down_bitmap_info(int width, int height, WORD bits_per_pixel);

// Loads a BITMAP resource of the program and converts it to 24 bits per pixel.
BgrImage load_bitmap_resource(HINSTANCE instance, const wchar_t* name);

}  // namespace orvanta::win32
