#pragma once
// Pictures of random colours: every pixel unlike its neighbours, the hardest case for the
// per-pixel work of blending and recolouring.
#include <cstdint>
#include <random>

#include "face/bgr_image.h"

namespace orvanta {

inline BgrImage noise_picture(int width, int height, std::uint32_t seed) {
  BgrImage image(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.set_pixel(x, y, random() & 0xff, random() & 0xff, random() & 0xff);
    }
  }
  return image;
}

}  // namespace orvanta
