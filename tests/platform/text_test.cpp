#include "platform/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace gc {
namespace {

constexpr Colour kBack = 0x336699, kText = 0xF0E0D0;

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Painted(const Canvas& c) {
  PixelSet s;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (c.pixels()[y * c.width() + x] != static_cast<std::uint32_t>(kBack)) s.insert({x, y});
  return s;
}

Canvas Printed(std::string_view text, float x, float y, float points = 12, int w = 200, int h = 60) {
  Canvas c(w, h);
  c.SetBackColor(kBack);
  c.fore_color = kText;
  c.font_size = points;
  c.current_x = x;
  c.current_y = y;
  c.Print(text);
  return c;
}

TEST(CanvasText, PaintsOnlyTheForeColourWithinItsLine) {
  const Canvas c = Printed("Hello, gyp", 10, 20);
  const PixelSet painted = Painted(c);
  ASSERT_GT(painted.size(), 60u);
  const int line = MetricsFor(12).height;
  for (auto [x, y] : painted) {
    EXPECT_EQ(c.pixels()[y * c.width() + x], static_cast<std::uint32_t>(kText));
    EXPECT_GE(x, 10);
    EXPECT_GE(y, 20);
    EXPECT_LT(y, 20 + line);
  }
}

TEST(CanvasText, TwelvePointsAreSixteenPixels) {
  // DejaVu Sans: cap height 0.73 em, line height 1.16 em.
  const LineMetrics m = MetricsFor(12);
  EXPECT_EQ(m.height, 19);
  EXPECT_GE(m.ascent, 15);
  EXPECT_LE(m.ascent, 16);
  const PixelSet h = Painted(Printed("H", 10, 10));
  int top = 1000, bottom = -1;
  for (auto [x, y] : h) top = std::min(top, y), bottom = std::max(bottom, y);
  EXPECT_EQ(bottom - top + 1, 12);  // 0.73 * 16 pixels
  EXPECT_LT(MetricsFor(8.25).height, m.height);
}

TEST(CanvasText, MovingTheStartShiftsEveryGlyphPixelExactly) {
  const std::string text = "Ana, I wish you a happy new year 2011";
  const PixelSet first = Painted(Printed(text, 10, 20, 12, 400));
  for (auto [dx, dy] : std::vector<std::pair<int, int>>{{1, 1}, {1, 0}, {0, 1}, {7, -3}}) {
    PixelSet moved;
    for (auto [x, y] : first) moved.insert({x + dx, y + dy});
    EXPECT_EQ(Painted(Printed(text, 10.0f + dx, 20.0f + dy, 12, 400)), moved) << dx << "," << dy;
  }
}

TEST(CanvasText, ClipsAtEveryEdgeAndNeverWraps) {
  const std::string text = "a long line that runs off the right edge of the surface";
  const PixelSet whole = Painted(Printed(text, 0, 20, 12, 2000, 60));
  const int line = MetricsFor(12).height;
  struct Case {
    float x, y;
  };
  for (const Case k : {Case{60, 20}, {-35, 20}, {10, -7}, {10, 50}, {-1e30f, 20}, {1e30f, 1e30f}}) {
    const PixelSet clipped = Painted(Printed(text, k.x, k.y, 12, 200, 60));
    for (auto [x, y] : clipped) {
      EXPECT_GE(y, k.y);
      EXPECT_LT(y, k.y + line);  // never wrapped onto a next line
    }
    // What shows is exactly the visible part of the unclipped line.
    PixelSet expected;
    if (k.x > -1e6 && k.x < 1e6) {
      const int dx = static_cast<int>(k.x), dy = static_cast<int>(k.y) - 20;
      for (auto [x, y] : whole)
        if (x + dx >= 0 && x + dx < 200 && y + dy >= 0 && y + dy < 60) expected.insert({x + dx, y + dy});
    }
    EXPECT_EQ(clipped, expected) << k.x << "," << k.y;
  }
}

TEST(CanvasText, PrintEndsTheLine) {
  Canvas c(100, 100);
  c.font_size = 12;
  c.current_x = 13.5f;
  c.current_y = 4;
  c.Print("x");
  EXPECT_EQ(c.current_x, 0);
  EXPECT_EQ(c.current_y, 4 + 19);
  c.Print("");
  EXPECT_EQ(c.current_y, 4 + 2 * 19);
}

TEST(CanvasText, SurvivesInvalidUtf8AndStrangeSizes) {
  const PixelSet bad = Painted(Printed("\xff\xfe\xc3(\xe2\x82", 5, 5));
  EXPECT_FALSE(bad.empty());  // shown as replacement characters
  for (float points : {0.0f, -5.0f, 1e30f, std::numeric_limits<float>::quiet_NaN()}) {
    Canvas c = Printed("Mm", 5, 5, points);
    for (auto [x, y] : Painted(c)) EXPECT_EQ(c.pixels()[y * c.width() + x], static_cast<std::uint32_t>(kText));
  }
}

TEST(CanvasText, DecodesUtf8WithReplacementForBadSequences) {
  struct Case {
    std::string in;
    std::u32string out;
  };
  for (const Case& k : std::vector<Case>{
           {"abc", U"abc"},
           {"\xc4\x8d\xc5\xa1\xc5\xbe", U"\u010d\u0161\u017e"},
           {"\xe2\x82\xac\xf0\x9f\x8e\x89", U"\u20ac\U0001F389"},
           {"\xff", U"\uFFFD"},
           {"\x80z", U"\uFFFDz"},
           {"\xc3", U"\uFFFD"},             // cut short
           {"\xe2\x82z", U"\uFFFDz"},       // cut short, next byte kept
           {"\xc0\xaf", U"\uFFFD"},         // overlong
           {"\xed\xa0\x80", U"\uFFFD"},     // surrogate
           {"\xf4\x90\x80\x80", U"\uFFFD"}, // beyond U+10FFFF
       })
    EXPECT_EQ(DecodeUtf8(k.in), k.out);
}

TEST(CanvasText, CanvasesOnSeveralThreadsPrintTheSamePixels) {
  const Canvas reference = Printed("Zoran, I wish you a happy new year", 3, 7, 12, 300);
  std::vector<std::thread> threads;
  std::vector<int> same(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        // Alternating sizes make the threads compete for the face.
        const Canvas c = Printed("Zoran, I wish you a happy new year", 3, 7, round % 2 ? 9.0f : 12.0f, 300);
        if (round % 2 == 0)
          same[t] += std::equal(c.pixels(), c.pixels() + 300 * 60, reference.pixels());
      }
    });
  for (auto& th : threads) th.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(same[t], 10);
}

}  // namespace
}  // namespace gc
