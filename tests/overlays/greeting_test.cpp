#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlays/overlays.h"
#include "tests/overlays/fixture.h"

namespace gc {
namespace {

using testing_overlays::OverlayForm;
using testing_overlays::Pack;

constexpr Colour kBackground = 0x406080;
const std::string kLine = ", I wish you a happy new year 2011      www.example.org";

std::vector<std::uint32_t> Pixels(const Canvas& c) {
  return {c.pixels(), c.pixels() + static_cast<size_t>(c.width()) * c.height()};
}

// The caption as it should look: `text` printed black at (10, 490), then
// white at (11, 491), in 12 points, on the test background.
std::vector<std::uint32_t> ExpectedCaption(const std::string& text) {
  Canvas c(700, 525);
  c.SetBackColor(kBackground);
  c.font_size = 12;
  c.fore_color = 0;
  c.current_x = 10;
  c.current_y = 490;
  c.Print(text);
  c.fore_color = 0xFFFFFF;
  c.current_x = 11;
  c.current_y = 491;
  c.Print(text);
  return Pixels(c);
}

struct Printed {
  std::vector<std::uint32_t> picture;
  Canvas surface{kClientWidth, kClientHeight};
  float font_size;
  Colour fore_color;
};

Printed RunGreeting(const std::string& name) {
  OverlayForm w;
  w.f.st.t = name;
  w.f.Picture1.SetBackColor(kBackground);
  w.f.Picture1.font_size = 8.25f;
  w.f.Picture1.fore_color = Pack(1, 2, 3);
  w.f.surface.SetBackColor(0);
  w.f.surface.fore_color = 0xFFFFFF;
  PrintGreeting(w.f);
  return {Pixels(w.f.Picture1), w.f.surface, w.f.Picture1.font_size, w.f.Picture1.fore_color};
}

// The line is the name exactly as typed followed by the greeting, with
// nothing added, trimmed or changed.
TEST(PrintGreeting, PrintsTheNameAsTypedThenTheGreeting) {
  for (const std::string name : {"", "ana marija", "  spaced  out  ", "zz"}) {
    SCOPED_TRACE("name '" + name + "'");
    const Printed p = RunGreeting(name);
    EXPECT_EQ(p.picture, ExpectedCaption(name + kLine));
    EXPECT_EQ(p.font_size, 12.0f);
    EXPECT_EQ(p.fore_color, 0xFFFFFF);
  }
  EXPECT_EQ(std::string(kGreetingText), kLine);
}

// White letters one pixel right of and below the black ones, the black
// showing only on their upper and left edges, the rest untouched.
TEST(PrintGreeting, WhiteCopySitsOnePixelRightAndBelowTheBlackOne) {
  const Printed p = RunGreeting("ivan");
  // The letters' own shape, printed alone on black.
  Canvas shape(700, 525);
  shape.font_size = 12;
  shape.fore_color = 0xFFFFFF;
  shape.current_x = 10;
  shape.current_y = 490;
  shape.Print("ivan" + kLine);
  auto in_shape = [&](int x, int y) {
    return x >= 0 && y >= 0 && shape.Point(static_cast<float>(x), static_cast<float>(y)) != 0;
  };
  int white = 0, black = 0;
  for (int y = 0; y < 525; ++y) {
    for (int x = 0; x < 700; ++x) {
      const auto got = static_cast<Colour>(p.picture[y * 700 + x]);
      Colour want = kBackground;
      if (in_shape(x - 1, y - 1)) {
        want = 0xFFFFFF;
        ++white;
      } else if (in_shape(x, y)) {
        want = 0;
        ++black;
      }
      ASSERT_EQ(got, want) << x << "," << y;
    }
  }
  EXPECT_GT(white, 300);
  EXPECT_GT(black, 50);
}

TEST(PrintGreeting, ALongNameIsClippedAtTheRightEdgeNotWrapped) {
  const std::string name(100, 'w');
  const Printed p = RunGreeting(name);
  const int line_height = 40;  // generously more than one 12-point line
  bool reaches_right_edge = false;
  for (int y = 0; y < 525; ++y) {
    for (int x = 0; x < 700; ++x) {
      if (static_cast<Colour>(p.picture[y * 700 + x]) == kBackground) continue;
      ASSERT_GE(y, 490) << x;
      ASSERT_LT(y, 491 + line_height) << x;
      if (x == 699) reaches_right_edge = true;
    }
  }
  EXPECT_TRUE(reaches_right_edge);
  EXPECT_EQ(p.picture, ExpectedCaption(name + kLine));
}

// The mark goes on the window's own surface near its corner; the picture,
// which is what gets saved, keeps only the caption.
TEST(PrintGreeting, TheMarkLandsOnTheWindowNotOnThePicture) {
  const Printed p = RunGreeting("ana");
  int marked = 0;
  for (int y = 0; y < p.surface.height(); ++y) {
    for (int x = 0; x < p.surface.width(); ++x) {
      if (p.surface.Point(static_cast<float>(x), static_cast<float>(y)) == 0) continue;
      ASSERT_LT(x, 20);
      ASSERT_LT(y, 30);
      ASSERT_GE(x, 1);
      ASSERT_GE(y, 1);
      ++marked;
    }
  }
  EXPECT_GT(marked, 3);
  for (int y = 0; y < 490; ++y)
    for (int x = 0; x < 700; ++x) ASSERT_EQ(static_cast<Colour>(p.picture[y * 700 + x]), kBackground);
}

}  // namespace
}  // namespace gc
