// 24-bit Windows BMP encoding and decoding of a canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/canvas.h"

namespace gc {

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

struct DecodedBmp {
  int width = 0, height = 0;
  std::vector<Colour> pixels;  // row-major, top row first, packed colours
};
std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& bytes);

}  // namespace gc
