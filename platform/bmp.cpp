#include "platform/bmp.h"

#include <cstring>

namespace gc {
namespace {

constexpr std::size_t kFileHeader = 14, kInfoHeader = 40, kHeaders = kFileHeader + kInfoHeader;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dpi
constexpr int kMaxSide = 1 << 16;                // far beyond any surface here

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}
std::uint32_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}
std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return Get16(b, at) | (Get16(b, at + 2) << 16);
}
std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const std::uint32_t* pixels, int width, int height,
                                    std::ptrdiff_t stride) {
  if (width < 0 || height < 0) width = height = 0;
  const std::size_t row = RowBytes(width);
  std::vector<std::uint8_t> b(kHeaders + row * static_cast<std::size_t>(height), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, kHeaders);  // offset of the pixels
  Put32(b, 14, kInfoHeader);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  Put16(b, 26, 1);                                    // planes
  Put16(b, 28, 24);                                   // bits per pixel
  Put32(b, 30, 0);                                    // BI_RGB, uncompressed
  Put32(b, 34, static_cast<std::uint32_t>(row * static_cast<std::size_t>(height)));
  Put32(b, 38, kPixelsPerMetre);
  Put32(b, 42, kPixelsPerMetre);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = b.data() + kHeaders + row * static_cast<std::size_t>(height - 1 - y);
    const std::uint32_t* in = pixels + y * stride;
    for (int x = 0; x < width; ++x) {
      out[3 * x] = (in[x] >> 16) & 0xFF;  // blue
      out[3 * x + 1] = (in[x] >> 8) & 0xFF;
      out[3 * x + 2] = in[x] & 0xFF;  // red
    }
  }
  return b;
}

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
  return EncodeBmp(canvas.pixels(), canvas.width(), canvas.height(), canvas.width());
}

std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& b) {
  if (b.size() < kHeaders || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const std::uint32_t offset = Get32(b, 10), info = Get32(b, 14);
  const auto width = static_cast<std::int32_t>(Get32(b, 18));
  const auto signed_height = static_cast<std::int32_t>(Get32(b, 22));
  if (info < kInfoHeader || Get16(b, 26) != 1 || Get16(b, 28) != 24 || Get32(b, 30) != 0)
    return std::nullopt;
  if (width < 0 || width > kMaxSide || signed_height < -kMaxSide || signed_height > kMaxSide)
    return std::nullopt;
  const bool top_down = signed_height < 0;
  const int height = top_down ? -signed_height : signed_height;
  const std::size_t row = RowBytes(width);
  if (offset < kFileHeader + info || offset > b.size() ||
      row * static_cast<std::size_t>(height) > b.size() - offset)
    return std::nullopt;
  DecodedBmp d{width, height, std::vector<Colour>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in =
        b.data() + offset + row * static_cast<std::size_t>(top_down ? y : height - 1 - y);
    Colour* out = d.pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x)
      out[x] = in[3 * x + 2] | (in[3 * x + 1] << 8) | (in[3 * x] << 16);
  }
  return d;
}

}  // namespace gc
