// Bilinear resampling of 24-bit pictures in 15-bit fixed point, for the printed
// logo and the preview's zoomed views.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarno::grid {

struct Image24 {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel
  uint8_t* Pixel(int x, int y) { return &rgb[Offset(x, y)]; }
  const uint8_t* Pixel(int x, int y) const { return &rgb[Offset(x, y)]; }
  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  }
};

// The picture at width x height; an empty picture for an empty source or target.
Image24 ResampleBilinear(const Image24& source, int width, int height);

}  // namespace tarno::grid
