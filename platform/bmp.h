// 24-bit Windows BMP encoding and decoding of a canvas: BITMAPFILEHEADER,
// BITMAPINFOHEADER, uncompressed bottom-up rows of blue, green, red bytes
// padded to 4 bytes. Every 24-bit colour survives the round trip.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/canvas.h"

namespace gc {

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);
// The same for any pixel rows (`stride` pixels apart); a pixel's top byte
// is ignored.
std::vector<std::uint8_t> EncodeBmp(const std::uint32_t* pixels, int width, int height,
                                    std::ptrdiff_t stride);

struct DecodedBmp {
  int width = 0, height = 0;
  std::vector<Colour> pixels;  // row-major, top row first, packed colours
};
// Decodes an uncompressed 24-bit BMP (bottom-up or top-down rows); nullopt
// for anything else or for a file that is cut short or inconsistent.
std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& bytes);

}  // namespace gc
