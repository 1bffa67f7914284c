#include "LogoResample.h"

#include <algorithm>

namespace tarno::grid {
namespace {

constexpr int kFractionBits = 15;
constexpr int64_t kOne = int64_t{1} << kFractionBits;

// Source steps per target pixel in fixed point: (source - 1) / target.
int64_t Step(int source, int target) { return (int64_t{source - 1} * kOne) / target; }

}  // namespace

Image24 ResampleBilinear(const Image24& source, int width, int height) {
  Image24 target;
  if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0) return target;
  target.width = width;
  target.height = height;
  target.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  const int64_t stepX = Step(source.width, width);
  const int64_t stepY = Step(source.height, height);
  for (int y = 0; y < height; ++y) {
    const int64_t sy = y * stepY;
    const int y0 = static_cast<int>(sy >> kFractionBits);
    const int y1 = std::min(y0 + 1, source.height - 1);
    const int64_t fy = sy & (kOne - 1);
    for (int x = 0; x < width; ++x) {
      const int64_t sx = x * stepX;
      const int x0 = static_cast<int>(sx >> kFractionBits);
      const int x1 = std::min(x0 + 1, source.width - 1);
      const int64_t fx = sx & (kOne - 1);
      const int64_t w00 = ((kOne - fx) * (kOne - fy)) >> kFractionBits;
      const int64_t w10 = (fx * (kOne - fy)) >> kFractionBits;
      const int64_t w01 = ((kOne - fx) * fy) >> kFractionBits;
      const int64_t w11 = (fx * fy) >> kFractionBits;
      const uint8_t* p00 = source.Pixel(x0, y0);
      const uint8_t* p10 = source.Pixel(x1, y0);
      const uint8_t* p01 = source.Pixel(x0, y1);
      const uint8_t* p11 = source.Pixel(x1, y1);
      uint8_t* out = target.Pixel(x, y);
      for (int ch = 0; ch < 3; ++ch) {
        const int64_t sum = p00[ch] * w00 + p10[ch] * w10 + p01[ch] * w01 + p11[ch] * w11;
        out[ch] = static_cast<uint8_t>(std::min<int64_t>(255, sum >> kFractionBits));
      }
    }
  }
  return target;
}

}  // namespace tarno::grid
