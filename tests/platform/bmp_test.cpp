#include "platform/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace gc {
namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// Distinct colours over all three channels, so swapped channels or rows show.
Colour Pattern(int x, int y) { return (x * 37 + y * 11) % 256 + 256 * ((x * 5 + y * 91) % 256) + 65536 * ((x + y * 7) % 256); }

TEST(Bmp, RoundTripKeepsEveryPixelWithTheHeadersRight) {
  for (auto [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {3, 1}, {47, 33}, {700, 525}}) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) c.PSet(static_cast<float>(x), static_cast<float>(y), Pattern(x, y));
    c.PSet(0, 0, 0xFFFFFF);
    const std::vector<std::uint8_t> b = EncodeBmp(c);
    const size_t row = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
    ASSERT_EQ(b.size(), 54 + row * h);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 6), 0u);
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), static_cast<std::uint32_t>(w));
    EXPECT_EQ(U32(b, 22), static_cast<std::uint32_t>(h));  // positive: bottom-up
    EXPECT_EQ(U16(b, 26), 1u);
    EXPECT_EQ(U16(b, 28), 24u);
    EXPECT_EQ(U32(b, 30), 0u);
    EXPECT_EQ(U32(b, 34), row * h);
    // The last row of the file is the top row of the picture, blue first.
    const size_t top_left = 54 + row * (h - 1);
    EXPECT_EQ(b[top_left], 0xFF);
    EXPECT_EQ(b[top_left + 2], 0xFF);
    // Row padding is zero.
    for (size_t pad = w * 3; pad < row; ++pad) EXPECT_EQ(b[54 + pad], 0) << w;

    const auto d = DecodeBmp(b);
    ASSERT_TRUE(d.has_value());
    ASSERT_EQ(d->width, w);
    ASSERT_EQ(d->height, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(d->pixels[y * w + x], c.Point(static_cast<float>(x), static_cast<float>(y))) << x << "," << y;
  }
}

TEST(Bmp, DecoderReadsTopDownRows) {
  Canvas c(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) c.PSet(static_cast<float>(x), static_cast<float>(y), Pattern(x, y));
  std::vector<std::uint8_t> b = EncodeBmp(c);
  // Reverse the rows and flag them top-down with a negative height.
  const size_t row = 16;
  std::vector<std::uint8_t> flipped(b.begin(), b.begin() + 54);
  for (int r = 2; r >= 0; --r) flipped.insert(flipped.end(), b.begin() + 54 + r * row, b.begin() + 54 + (r + 1) * row);
  const std::uint32_t minus3 = static_cast<std::uint32_t>(-3);
  for (int k = 0; k < 4; ++k) flipped[22 + k] = (minus3 >> (8 * k)) & 0xFF;
  const auto d = DecodeBmp(flipped);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->height, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(d->pixels[y * 5 + x], Pattern(x, y));
}

TEST(Bmp, DecoderRejectsWhatItCannotRead) {
  Canvas c(4, 4);
  const std::vector<std::uint8_t> good = EncodeBmp(c);
  ASSERT_TRUE(DecodeBmp(good).has_value());
  struct Case {
    const char* what;
    size_t at;
    std::uint8_t value;
  };
  for (const Case k : {Case{"magic", 0, 'X'}, {"bits per pixel", 28, 32}, {"compressed", 30, 1},
                       {"planes", 26, 2}, {"header size", 14, 12}, {"huge width", 21, 0x7F},
                       {"pixel offset beyond the file", 11, 0x10}}) {
    std::vector<std::uint8_t> b = good;
    b[k.at] = k.value;
    EXPECT_FALSE(DecodeBmp(b).has_value()) << k.what;
  }
  std::vector<std::uint8_t> cut = good;
  cut.pop_back();
  EXPECT_FALSE(DecodeBmp(cut).has_value());
  EXPECT_FALSE(DecodeBmp({}).has_value());
  EXPECT_FALSE(DecodeBmp(std::vector<std::uint8_t>(53, 'B')).has_value());
}

}  // namespace
}  // namespace gc
