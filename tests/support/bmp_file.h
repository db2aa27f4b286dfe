#pragma once
// Reads the project's own uncompressed 1-bit and 24-bit BMP pictures into a BgrImage, so tests
// and benchmarks can use the real face and mask. An empty optional when the file is missing or
// not of that kind.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "face/bgr_image.h"

namespace orvanta {

inline std::optional<BgrImage> read_bmp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  auto u16 = [&](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
  auto i32 = [&](std::size_t at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(u16(at)) |
                                     static_cast<std::uint32_t>(u16(at + 2)) << 16);
  };
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::size_t pixels = static_cast<std::size_t>(i32(10));
  const int header_size = i32(14);
  const int width = i32(18);
  const int stored_height = i32(22);
  const int bits = u16(28);
  if (i32(30) != 0 || width <= 0 || stored_height == 0 || (bits != 1 && bits != 24)) {
    return std::nullopt;
  }
  const int height = stored_height < 0 ? -stored_height : stored_height;
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (pixels + stride * height > bytes.size()) return std::nullopt;
  const std::size_t palette = 14 + static_cast<std::size_t>(header_size);

  BgrImage image(width, height);
  for (int y = 0; y < height; ++y) {
    const int stored_row = stored_height < 0 ? y : height - 1 - y;  // bottom-up unless negative
    const std::uint8_t* row = bytes.data() + pixels + stride * stored_row;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* bgr = row + x * 3;
      if (bits == 1) {
        const int index = (row[x / 8] >> (7 - x % 8)) & 1;
        bgr = bytes.data() + palette + index * 4;
      }
      image.set_pixel(x, y, bgr[2], bgr[1], bgr[0]);
    }
  }
  return image;
}

}  // namespace orvanta
