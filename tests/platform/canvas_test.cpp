#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

namespace gc {
namespace {

constexpr Colour kBack = 0x102030, kInk = 0x0000FF, kFill = 0x00FF00;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

Canvas Blank(int w = 80, int h = 60) {
  Canvas c(w, h);
  c.SetBackColor(kBack);
  return c;
}

std::uint32_t At(const Canvas& c, int x, int y) { return c.pixels()[y * c.width() + x]; }

int CountOf(const Canvas& c, Colour colour) {
  int n = 0;
  for (int k = 0; k < c.width() * c.height(); ++k) n += c.pixels()[k] == static_cast<std::uint32_t>(colour);
  return n;
}

std::set<std::pair<int, int>> Painted(const Canvas& c) {
  std::set<std::pair<int, int>> s;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (At(c, x, y) != static_cast<std::uint32_t>(kBack)) s.insert({x, y});
  return s;
}

// --------------------------------------------------------------- Pixels ----

TEST(CanvasPixels, PSetRoundsToNearestPixelAndPointReadsBack) {
  Canvas c = Blank();
  c.PSet(10.49f, 20.5f, 0x123456);  // floor(c + 0.5): 10, 21
  EXPECT_EQ(c.Point(10, 21), 0x123456);
  EXPECT_EQ(c.Point(9.6f, 20.6f), 0x123456);
  EXPECT_EQ(CountOf(c, 0x123456), 1);
  c.PSet(-0.5f, -0.5f, 7);  // pixel (0, 0)
  EXPECT_EQ(At(c, 0, 0), 7u);
}

TEST(CanvasPixels, PointOutsideOrNotFiniteIsMinusOne) {
  Canvas c = Blank(10, 10);
  for (auto [x, y] : std::vector<std::pair<float, float>>{
           {-0.51f, 0}, {0, -0.51f}, {9.5f, 0}, {0, 9.5f}, {1e30f, 1}, {-1e30f, 1},
           {kNaN, 1}, {1, kNaN}, {kInf, 1}, {1, -kInf}, {3e9f, 3e9f}})
    EXPECT_EQ(c.Point(x, y), -1) << x << "," << y;
  EXPECT_EQ(c.Point(9.49f, 9.49f), kBack);
}

TEST(CanvasPixels, PSetOutsideChangesNothing) {
  Canvas c = Blank(10, 10);
  for (float v : {-1.0f, 10.0f, 1e30f, -1e30f, kNaN, kInf, -kInf}) {
    c.PSet(v, 5, kInk);
    c.PSet(5, v, kInk);
  }
  EXPECT_EQ(CountOf(c, kBack), 100);
}

TEST(CanvasPixels, ColoursKeepTheirLowTwentyFourBitsOnly) {
  // A pixel must never read as -1 ("outside") however the colour was made.
  Canvas c = Blank(4, 4);
  c.PSet(1, 1, -1);
  EXPECT_EQ(c.Point(1, 1), 0xFFFFFF);
  c.SetBackColor(static_cast<Colour>(0x7F123456));
  EXPECT_EQ(c.Point(0, 0), 0x123456);
}

TEST(CanvasPixels, BackColourErasesEverything) {
  Canvas c = Blank(8, 8);
  c.Line(0, 0, 8, 8, kInk);
  c.SetBackColor(0x0A0B0C);
  EXPECT_EQ(CountOf(c, 0x0A0B0C), 64);
  c.PSet(2, 2, kInk);
  c.Cls();
  EXPECT_EQ(CountOf(c, 0x0A0B0C), 64);
}

// --------------------------------------------------------------- Circles ---

// The documented pixel set: pixel centres inside or on the ellipse.
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
  const double dx = (x - cx) / rx, dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

struct EllipseCase {
  float cx, cy, radius, aspect;
};

TEST(CanvasCircle, FilledEllipseIsExactlyThePixelSetWithItsOutlineInTheColour) {
  for (const EllipseCase e : {EllipseCase{40, 30, 10, 1}, {40.3f, 29.6f, 12.7f, 1},
                              {39.5f, 30.5f, 20, 0.5f}, {40, 30, 20, 2.1f}, {41.2f, 28.9f, 25, 0.37f},
                              {40, 30, 3, 1}, {40.5f, 30.5f, 1, 1}}) {
    Canvas c = Blank();
    c.fill_color = kFill;
    c.Circle(e.cx, e.cy, e.radius, kInk, e.aspect);
    const double rx = e.aspect <= 1 ? e.radius : e.radius / e.aspect;
    const double ry = e.aspect <= 1 ? e.radius * e.aspect : e.radius;
    auto in = [&](int x, int y) { return InEllipse(x, y, e.cx, e.cy, rx, ry); };
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) {
        const bool edge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
        const std::uint32_t want = !in(x, y) ? kBack : (edge ? kInk : kFill);
        ASSERT_EQ(At(c, x, y), want) << "pixel " << x << "," << y << " of circle at " << e.cx
                                     << "," << e.cy << " r " << e.radius << " aspect " << e.aspect;
      }
  }
}

TEST(CanvasCircle, AspectChoosesWhichRadiusIsGiven) {
  struct Case {
    float aspect;
    int half_w, half_h;
  };
  for (const Case k : {Case{1, 20, 20}, {0.5f, 20, 10}, {0.25f, 20, 5}, {2, 10, 20}, {4, 5, 20}}) {
    Canvas c = Blank(100, 100);
    c.Circle(50, 50, 20, kInk, k.aspect);
    int min_x = 100, max_x = -1, min_y = 100, max_y = -1;
    for (auto [x, y] : Painted(c)) {
      min_x = std::min(min_x, x), max_x = std::max(max_x, x);
      min_y = std::min(min_y, y), max_y = std::max(max_y, y);
    }
    EXPECT_EQ(max_x - 50, k.half_w) << k.aspect;
    EXPECT_EQ(50 - min_x, k.half_w) << k.aspect;
    EXPECT_EQ(max_y - 50, k.half_h) << k.aspect;
    EXPECT_EQ(50 - min_y, k.half_h) << k.aspect;
  }
}

TEST(CanvasCircle, TransparentFillLeavesTheInsideAlone) {
  Canvas c = Blank();
  c.fill_style = FillStyle::Transparent;
  c.fill_color = kFill;
  c.Circle(40, 30, 15, kInk);
  EXPECT_EQ(CountOf(c, kFill), 0);
  EXPECT_EQ(At(c, 40, 30), static_cast<std::uint32_t>(kBack));
  EXPECT_EQ(At(c, 55, 30), static_cast<std::uint32_t>(kInk));
}

TEST(CanvasCircle, TinyAndDegenerateRadii) {
  struct Case {
    float x, y, radius, aspect;
    int pixels;  // painted, -1: exactly the centre pixel
  };
  for (const Case k : {Case{10, 10, 0, 1, -1}, {10.4f, 9.6f, 0, 1, -1}, {10.5f, 10.5f, 0.3f, 1, -1},
                       {10, 10, 0.49f, 3, -1}, {10, 10, -1, 1, 0}, {10, 10, kNaN, 1, 0},
                       {10, 10, kInf, 1, 0}, {10, 10, 5, 0, 0}, {10, 10, 5, -1, 0},
                       {10, 10, 5, kNaN, 0}, {kNaN, 10, 5, 1, 0}, {10, kInf, 5, 1, 0}}) {
    Canvas c = Blank(20, 20);
    c.Circle(k.x, k.y, k.radius, kInk, k.aspect);
    const auto painted = Painted(c);
    if (k.pixels < 0) {
      ASSERT_EQ(painted.size(), 1u) << k.x << "," << k.y << " r " << k.radius;
      EXPECT_EQ(*painted.begin(), std::make_pair(static_cast<int>(std::floor(k.x + 0.5)),
                                                 static_cast<int>(std::floor(k.y + 0.5))));
    } else {
      EXPECT_EQ(static_cast<int>(painted.size()), k.pixels) << k.radius << " aspect " << k.aspect;
    }
  }
}

TEST(CanvasCircle, VeryThinEllipsesKeepOnePixelPerRowOrColumn) {
  Canvas flat = Blank(40, 40);
  flat.Circle(20, 20.3f, 10, kInk, 0.01f);  // 21 x 0.2 pixels: one row
  std::set<std::pair<int, int>> row;
  for (int x = 10; x <= 30; ++x) row.insert({x, 20});
  EXPECT_EQ(Painted(flat), row);

  Canvas tall = Blank(40, 40);
  tall.Circle(20.2f, 20, 10, kInk, 100);  // 0.2 x 21 pixels: one column
  std::set<std::pair<int, int>> column;
  for (int y = 10; y <= 30; ++y) column.insert({20, y});
  EXPECT_EQ(Painted(tall), column);
}

TEST(CanvasCircle, HugeRadiusCoversTheSurface) {
  Canvas c = Blank(30, 20);
  c.fill_color = kFill;
  c.Circle(15, 10, 1e30f, kInk);
  EXPECT_EQ(CountOf(c, kFill), 30 * 20);
  c.Circle(1e30f, 10, 1e30f, kInk, 0.5f);  // centre far away: whatever shows, no crash
  c.Circle(-3e38f, -3e38f, 3e38f, kInk, 1e-30f);
}

// ------------------------------------------------------------------ Arcs ---

TEST(CanvasArc, EqualAnglesGiveTheCompleteUnfilledOutline) {
  Canvas outline = Blank();
  outline.fill_style = FillStyle::Transparent;
  outline.Circle(40.3f, 30.2f, 22, kInk, 0.6f);
  for (auto [start, end] : std::vector<std::pair<float, float>>{
           {2, 2}, {0, 0}, {-2, 2}, {0, static_cast<float>(2 * std::numbers::pi)}}) {
    Canvas arc = Blank();
    arc.fill_color = kFill;  // solid fill style: an arc is still never filled
    arc.Arc(40.3f, 30.2f, 22, kInk, start, end, 0.6f);
    EXPECT_EQ(Painted(arc), Painted(outline)) << start << " " << end;
  }
}

TEST(CanvasArc, QuarterArcsKeepToTheirQuadrant) {
  const double pi = std::numbers::pi;
  struct Case {
    double start, end;
    int sx, sy;  // sign of dx and of dy (screen y down) of the painted pixels
  };
  for (const Case k : {Case{0.05, pi / 2 - 0.05, 1, -1}, {pi / 2 + 0.05, pi - 0.05, -1, -1},
                       {pi + 0.05, 1.5 * pi - 0.05, -1, 1}, {1.5 * pi + 0.05, 2 * pi - 0.05, 1, 1}}) {
    Canvas c = Blank();
    c.Arc(40, 30, 20, kInk, static_cast<float>(k.start), static_cast<float>(k.end));
    const auto painted = Painted(c);
    EXPECT_GT(painted.size(), 20u);
    for (auto [x, y] : painted) {
      EXPECT_GT((x - 40) * k.sx, 0) << k.start;
      EXPECT_GT((y - 30) * k.sy, 0) << k.start;
    }
  }
  // From 3/2 pi round through 0 to pi/2: the right half.
  Canvas wrap = Blank();
  wrap.Arc(40, 30, 20, kInk, static_cast<float>(1.5 * pi + 0.05), static_cast<float>(pi / 2 - 0.05));
  for (auto [x, y] : Painted(wrap)) EXPECT_GT(x, 40);
  EXPECT_EQ(At(wrap, 60, 30), static_cast<std::uint32_t>(kInk));
}

// ------------------------------------------------------------------- Box ---

TEST(CanvasBox, OutlineAndFillInAnyCornerOrder) {
  Canvas first = Blank();
  first.fill_color = kFill;
  first.Box(10, 5, 20, 15, kInk);
  EXPECT_EQ(CountOf(first, kInk), 40);       // 11 x 11 border
  EXPECT_EQ(CountOf(first, kFill), 9 * 9);   // inside
  EXPECT_EQ(At(first, 15, 10), static_cast<std::uint32_t>(kFill));
  EXPECT_EQ(At(first, 10, 10), static_cast<std::uint32_t>(kInk));
  EXPECT_EQ(At(first, 20, 15), static_cast<std::uint32_t>(kInk));
  EXPECT_EQ(At(first, 21, 15), static_cast<std::uint32_t>(kBack));
  for (auto [x1, y1, x2, y2] : std::vector<std::array<float, 4>>{
           {20, 15, 10, 5}, {10, 15, 20, 5}, {20, 5, 10, 15}, {9.6f, 4.5f, 20.4f, 15.49f}}) {
    Canvas other = Blank();
    other.fill_color = kFill;
    other.Box(x1, y1, x2, y2, kInk);
    EXPECT_TRUE(std::equal(first.pixels(), first.pixels() + 80 * 60, other.pixels()))
        << x1 << "," << y1 << " " << x2 << "," << y2;
  }
}

TEST(CanvasBox, TransparentAndDegenerateBoxes) {
  Canvas hollow = Blank();
  hollow.fill_style = FillStyle::Transparent;
  hollow.fill_color = kFill;
  hollow.Box(10, 5, 20, 15, kInk);
  EXPECT_EQ(CountOf(hollow, kInk), 40);
  EXPECT_EQ(CountOf(hollow, kFill), 0);

  struct Case {
    float x1, y1, x2, y2;
    int ink;
  };
  for (const Case k : {Case{7, 7, 7, 7, 1}, {3, 7, 9, 7, 7}, {7, 3, 7, 9, 7}, {7, 7, 8, 8, 4},
                       {kNaN, 1, 5, 5, 0}, {1, 1, 5, kInf, 0}}) {
    Canvas c = Blank(20, 20);
    c.fill_color = kFill;
    c.Box(k.x1, k.y1, k.x2, k.y2, kInk);
    EXPECT_EQ(CountOf(c, kInk), k.ink) << k.x1 << "," << k.y1 << " " << k.x2 << "," << k.y2;
    EXPECT_EQ(CountOf(c, kFill), 0);
  }
}

TEST(CanvasBox, HugeBoxFillsTheSurfaceAndLeavesTheBorderOutside) {
  Canvas c = Blank(30, 20);
  c.fill_color = kFill;
  c.Box(-1e30f, -1e30f, 1e30f, 1e30f, kInk);
  EXPECT_EQ(CountOf(c, kFill), 30 * 20);
  c.Box(-1, -1, 30, 20, kInk);  // border just outside every edge
  EXPECT_EQ(CountOf(c, kFill), 30 * 20);
  c.Box(0, 0, 29, 19, kInk);  // border on every edge
  EXPECT_EQ(CountOf(c, kInk), 2 * 30 + 2 * 18);
}

// ------------------------------------------------------------------ Line ---

TEST(CanvasLine, PaintsOnePixelPerStepWithoutTheLastPoint) {
  struct Case {
    float x1, y1, x2, y2;
  };
  for (const Case k : {Case{5, 5, 40, 17}, {40, 17, 5, 5}, {5, 40, 9, 2}, {30, 30, 30, 5},
                       {2, 9, 50, 9}, {10, 10, 30, 30}, {30, 10, 10, 30}, {5.4f, 5.6f, 40.7f, 17.2f}}) {
    Canvas c = Blank();
    c.Line(k.x1, k.y1, k.x2, k.y2, kInk);
    const int x1 = static_cast<int>(std::floor(k.x1 + 0.5)), y1 = static_cast<int>(std::floor(k.y1 + 0.5));
    const int x2 = static_cast<int>(std::floor(k.x2 + 0.5)), y2 = static_cast<int>(std::floor(k.y2 + 0.5));
    const auto painted = Painted(c);
    EXPECT_EQ(static_cast<int>(painted.size()), std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
    EXPECT_TRUE(painted.count({x1, y1}));
    EXPECT_FALSE(painted.count({x2, y2}));
    // Every pixel lies within half a pixel of the line between the end
    // pixels, measured along the minor axis.
    for (auto [x, y] : painted) {
      const double t = std::abs(x2 - x1) >= std::abs(y2 - y1) ? (x - x1) / double(x2 - x1)
                                                               : (y - y1) / double(y2 - y1);
      EXPECT_GE(t, 0);
      EXPECT_LT(t, 1);
      EXPECT_LE(std::abs(x1 + t * (x2 - x1) - x), 0.5 + 1e-9);
      EXPECT_LE(std::abs(y1 + t * (y2 - y1) - y), 0.5 + 1e-9);
    }
  }
}

TEST(CanvasLine, ZeroLengthPaintsNothing) {
  Canvas c = Blank();
  c.Line(10, 10, 10, 10, kInk);
  c.Line(10.2f, 10.3f, 9.8f, 9.7f, kInk);  // same pixel at both ends
  EXPECT_EQ(CountOf(c, kInk), 0);
}

TEST(CanvasLine, TriangleClosesWithEachCornerPaintedOnce) {
  Canvas c = Blank();
  const float ax = 10, ay = 50, bx = 60, by = 45, cx = 30, cy = 8;
  c.Line(ax, ay, bx, by, 1);
  c.Line(bx, by, cx, cy, 2);
  c.Line(cx, cy, ax, ay, 3);
  EXPECT_EQ(At(c, 10, 50), 1u);
  EXPECT_EQ(At(c, 60, 45), 2u);
  EXPECT_EQ(At(c, 30, 8), 3u);
}

TEST(CanvasLine, NotFiniteEndsPaintNothingAndHugeOnesClip) {
  Canvas c = Blank(30, 20);
  for (float bad : {kNaN, kInf, -kInf}) {
    c.Line(bad, 5, 10, 5, kInk);
    c.Line(5, 5, 10, bad, kInk);
  }
  EXPECT_EQ(CountOf(c, kInk), 0);
  c.Line(-1e30f, 7, 1e30f, 7, kInk);  // the whole row
  EXPECT_EQ(CountOf(c, kInk), 30);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(At(c, x, 7), static_cast<std::uint32_t>(kInk));
  c.Line(-3e38f, -3e38f, 3e38f, 3e38f, kFill);  // the diagonal, whatever its rounding
  EXPECT_GE(CountOf(c, kFill), 19);
}

// -------------------------------------------------------------- Clipping ---

// Every figure clipped at an edge paints exactly the visible part of the same
// figure drawn whole on a larger surface.
TEST(CanvasClipping, ClippedFiguresMatchTheVisiblePartOfTheWholeFigure) {
  constexpr int kW = 40, kH = 30, kPad = 60;
  using Draw = void (*)(Canvas&, float dx, float dy, float x, float y);
  const std::vector<std::pair<const char*, Draw>> figures = {
      {"disc", [](Canvas& c, float dx, float dy, float x, float y) {
         c.Circle(x + dx, y + dy, 13.3f, kInk);
       }},
      {"ellipse", [](Canvas& c, float dx, float dy, float x, float y) {
         c.Circle(x + dx, y + dy, 25, kInk, 0.3f);
       }},
      {"ring", [](Canvas& c, float dx, float dy, float x, float y) {
         c.fill_style = FillStyle::Transparent;
         c.Circle(x + dx, y + dy, 17.5f, kInk, 1.7f);
       }},
      {"arc", [](Canvas& c, float dx, float dy, float x, float y) {
         c.Arc(x + dx, y + dy, 17.5f, kInk, 1, 5, 1.2f);
       }},
      {"box", [](Canvas& c, float dx, float dy, float x, float y) {
         c.Box(x + dx - 9, y + dy - 12, x + dx + 11, y + dy + 7, kInk);
       }},
      {"lines", [](Canvas& c, float dx, float dy, float x, float y) {
         for (int k = 0; k < 16; ++k) {
           const double a = k * std::numbers::pi / 8;
           c.Line(x + dx, y + dy, x + dx + static_cast<float>(45 * std::cos(a)),
                  y + dy + static_cast<float>(33 * std::sin(a)), kInk);
         }
       }},
  };
  for (const auto& [name, draw] : figures) {
    for (float x : {-10.0f, 0.3f, 20.0f, 39.6f, 50.0f})
      for (float y : {-8.0f, 0.0f, 15.5f, 29.4f, 38.0f}) {
        Canvas small = Blank(kW, kH);
        small.fill_color = kFill;
        draw(small, 0, 0, x, y);
        Canvas big = Blank(kW + 2 * kPad, kH + 2 * kPad);
        big.fill_color = kFill;
        draw(big, kPad, kPad, x, y);
        for (int py = 0; py < kH; ++py)
          for (int px = 0; px < kW; ++px)
            ASSERT_EQ(At(small, px, py), At(big, px + kPad, py + kPad))
                << name << " at " << x << "," << y << ", pixel " << px << "," << py;
      }
  }
}

TEST(CanvasClipping, EmptySurfaceAcceptsEverything) {
  Canvas c(0, 0);
  c.SetBackColor(kInk);
  c.PSet(0, 0, kInk);
  EXPECT_EQ(c.Point(0, 0), -1);
  c.Line(-5, -5, 5, 5, kInk);
  c.Box(-5, -5, 5, 5, kInk);
  c.Circle(0, 0, 5, kInk);
  c.Arc(0, 0, 5, kInk, 1, 2);
  c.Print("x");
  Canvas negative(-3, 4);
  EXPECT_EQ(negative.width(), 0);
}

}  // namespace
}  // namespace gc
