#include "platform/bmp.h"

namespace gc {
namespace {

void Put16(std::vector<std::uint8_t>& b, size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& b, size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}
std::uint32_t Get32(const std::vector<std::uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  const size_t row = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  std::vector<std::uint8_t> b(54 + row * h, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, w);
  Put32(b, 22, h);
  Put16(b, 26, 1);
  Put16(b, 28, 24);
  Put32(b, 34, static_cast<std::uint32_t>(row * h));
  Put32(b, 38, 3780);  // 96 dpi
  Put32(b, 42, 3780);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* out = b.data() + 54 + row * (h - 1 - y);
    const std::uint32_t* in = canvas.pixels() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      out[3 * x] = (in[x] >> 16) & 0xFF;
      out[3 * x + 1] = (in[x] >> 8) & 0xFF;
      out[3 * x + 2] = in[x] & 0xFF;
    }
  }
  return b;
}

std::optional<DecodedBmp> DecodeBmp(const std::vector<std::uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const std::uint32_t off = Get32(b, 10);
  const int w = static_cast<int>(Get32(b, 18)), h = static_cast<int>(Get32(b, 22));
  if ((b[28] | (b[29] << 8)) != 24 || w <= 0 || h <= 0 || w > 65535 || h > 65535) return std::nullopt;
  const size_t row = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  if (off > b.size() || row * h > b.size() - off) return std::nullopt;
  DecodedBmp d{w, h, std::vector<Colour>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* in = b.data() + off + row * (h - 1 - y);
    for (int x = 0; x < w; ++x)
      d.pixels[static_cast<size_t>(y) * w + x] = in[3 * x + 2] | (in[3 * x + 1] << 8) | (in[3 * x] << 16);
  }
  return d;
}

}  // namespace gc
