#pragma once
// 24-bit pictures as the face bitmaps hold them: blue, green, red bytes per pixel, rows
// `stride` bytes apart (a Windows DIB pads rows to 4 bytes; a plain buffer need not).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvanta {

struct ConstBgrView {
  const std::uint8_t* data = nullptr;  // first byte of row 0
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next

  const std::uint8_t* row(int y) const { return data + y * stride; }
};

struct BgrView {
  std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;

  std::uint8_t* row(int y) const { return data + y * stride; }
  operator ConstBgrView() const { return {data, width, height, stride}; }
};

// An owned picture with rows padded like a DIB's, so tests and benchmarks see the same layout.
class BgrImage {
 public:
  BgrImage() = default;
  BgrImage(int width, int height)
      : width_(width),
        height_(height),
        stride_((width * 3 + 3) & ~3),
        bytes_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  BgrView view() { return {bytes_.data(), width_, height_, stride_}; }
  ConstBgrView view() const { return {bytes_.data(), width_, height_, stride_}; }

  std::uint8_t* pixel(int x, int y) { return bytes_.data() + y * stride_ + x * 3; }
  const std::uint8_t* pixel(int x, int y) const { return bytes_.data() + y * stride_ + x * 3; }
  void set_pixel(int x, int y, int r, int g, int b) {
    std::uint8_t* p = pixel(x, y);
    p[0] = static_cast<std::uint8_t>(b);
    p[1] = static_cast<std::uint8_t>(g);
    p[2] = static_cast<std::uint8_t>(r);
  }

  bool operator==(const BgrImage&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t stride_ = 0;
  std::vector<std::uint8_t> bytes_;
};

// The part of `picture` at (left, top) with the given size; the caller keeps it inside.
inline ConstBgrView sub_view(ConstBgrView picture, int left, int top, int width, int height) {
  return {picture.row(top) + left * 3, width, height, picture.stride};
}
inline BgrView sub_view(BgrView picture, int left, int top, int width, int height) {
  return {picture.row(top) + left * 3, width, height, picture.stride};
}

}  // namespace orvanta
