#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/render.h"
#include "tests/render/headless.h"

namespace gc {
namespace {

constexpr Colour kSentinel = 0x0A0B0C;

class Brush : public ::testing::Test {
 protected:
  Brush() {
    // Row k of the ramp reads (k, k / 2, k / 4), so ret = idx where r = 0.
    for (int k = 0; k <= 601; ++k) s.ramp[k] = {0, double(k), k / 2.0, k / 4.0};
    s.r = 0;     // sin(r) + 1 = 1, cos(r) + 1 = 2
    s.fit = 0;   // sin(fit) + 1 = 1
    s.fi1 = 1.5;
    s.pozic0 = 10;
    s.barva = 100;
    s.rr = 10;
    s.fr = 1;
    s.nac = 1;
    s.i = 200;
    s.j = 150;
    h.f.Picture1.fill_color = kSentinel;
    h.f.rnd.Reset(-1);
    h.f.rnd.Seed(1234);
  }
  Colour At(int x, int y) const { return h.f.Picture1.Point(x, y); }
  Headless h;
  PictureState& s = h.s();
};

TEST_F(Brush, ClampIsWrittenBackAndTheRowRoundsHalvesToEven) {
  struct Case {
    double barva, clamped, idx;
  };
  for (const Case& c : {Case{0.3, 1, 11}, Case{-50, 1, 11}, Case{700, 675, 125},
                        Case{280.5, 280.5, 10}, Case{281.5, 281.5, 12}, Case{279.5, 279.5, 10},
                        Case{1, 1, 11}, Case{675, 675, 125}}) {
    s.barva = c.barva;
    BrushStage(h.f);
    EXPECT_EQ(s.barva, c.clamped) << c.barva;
    EXPECT_EQ(s.ret, c.idx) << c.barva;
    EXPECT_EQ(s.grt, c.idx / 2) << c.barva;
    EXPECT_EQ(s.blt, c.idx / 4 * 2) << c.barva;
  }
}

TEST_F(Brush, ColourChannelsRoundHalvesToEvenAndSaturate) {
  s.ramp[110] = {0, 255.5, 254.5, 10.25};  // blue doubles to 20.5
  s.i = 3;
  s.j = 4;
  BrushStage(h.f);
  EXPECT_EQ(At(3, 4), 255 + 256 * 254 + 65536 * 20);
  s.ramp[110] = {0, 300, 0.5, 1.5};  // 0.5 -> 0, 3 -> 3
  BrushStage(h.f);
  EXPECT_EQ(At(3, 4), 255 + 256 * 0 + 65536 * 3);
}

TEST_F(Brush, LookupOutsideTheTableKeepsTheChannels) {
  s.ret = 1;
  s.grt = 2;
  s.blt = 3;
  s.pozic0 = 400;  // row 500 + 400 - 280 = 620: beyond 610
  s.barva = 500;
  BrushStage(h.f);
  EXPECT_EQ(s.ret, 1);
  EXPECT_EQ(s.grt, 2);
  EXPECT_EQ(s.blt, 3);
  s.pozic0 = 389;  // row 609: inside the table but never written
  BrushStage(h.f);
  EXPECT_EQ(s.ret, 0);
  EXPECT_EQ(s.blt, 0);
}

TEST_F(Brush, AColourThatDoesNotConvertDrawsNothing) {
  s.ramp[110] = {0, -5, 7, 7};
  BrushStage(h.f);
  EXPECT_EQ(s.ret, -5);
  EXPECT_EQ(At(200, 150), 0);
  s.nac = 5;  // the fill colour statement fails as well
  BrushStage(h.f);
  EXPECT_EQ(h.f.Picture1.fill_color, kSentinel);
}

TEST_F(Brush, BreathingRadiusTurnsAt25AndAt3) {
  s.rr = 24.9995;
  BrushStage(h.f);
  EXPECT_EQ(s.rr, 24.9995 + 0.001);
  EXPECT_EQ(s.fr, -1);
  BrushStage(h.f);
  EXPECT_EQ(s.rr, 24.9995 + 0.001 + -0.001);
  EXPECT_EQ(s.fr, -1);

  s.rr = 3.0005;
  BrushStage(h.f);
  EXPECT_EQ(s.rr, 3.0005 - 0.001);
  EXPECT_EQ(s.fr, 1);
  BrushStage(h.f);
  EXPECT_EQ(s.rr, 3.0005 - 0.001 + 0.001);
  EXPECT_EQ(s.fr, 1);
}

TEST_F(Brush, ModesOutsideTwoTo18PaintTheSinglePixel) {
  struct Case {
    double nac;
    bool single_pixel;
  };
  for (const Case& c : {Case{0, true}, Case{19, true}, Case{-1, true}, Case{0.5, true},
                        Case{18.6, true}, Case{1.4, true}, Case{1.5, false}, Case{2.5, false},
                        Case{4, false}}) {
    h.f.Picture1.SetBackColor(0);
    s.nac = c.nac;
    BrushStage(h.f);
    EXPECT_EQ(At(200, 150) != 0, c.single_pixel) << c.nac;
  }
}

TEST_F(Brush, DrawsPerPixelFillColourAndWalkCounterByMode) {
  struct Case {
    int nac;
    std::uint64_t draws;
    bool sets_fill;  // to the brush colour, or to black
    bool black_fill;
    bool walks;
  };
  const Case cases[] = {
      {1, 0, false, false, false},  {2, 0, false, false, false},  {3, 0, false, false, false},
      {4, 0, true, true, false},    {5, 0, true, false, false},   {6, 1, true, true, false},
      {7, 1, true, false, false},   {8, 1, true, false, false},   {9, 40, false, false, true},
      {10, 40, true, false, true},  {11, 40, false, false, true}, {12, 0, false, false, false},
      {13, 0, false, false, false}, {14, 0, false, false, false}, {15, 1, false, false, false},
      {16, 0, false, false, false}, {17, 0, false, false, false}, {18, 20, false, false, false},
  };
  s.r = 0.7;
  s.fit = 2.9;
  for (const Case& c : cases) {
    h.f.Picture1.fill_color = kSentinel;
    s.n = 5;
    s.nac = c.nac;
    const auto before = h.f.rnd.draws();
    BrushStage(h.f);
    EXPECT_EQ(h.f.rnd.draws() - before, c.draws) << "mode " << c.nac;
    const Colour brush = *RGB(s.ret, s.grt, s.blt);
    const Colour fill = !c.sets_fill ? kSentinel : c.black_fill ? 0 : brush;
    EXPECT_EQ(h.f.Picture1.fill_color, fill) << "mode " << c.nac;
    EXPECT_EQ(s.n, c.walks ? 21 : 5) << "mode " << c.nac;
  }
}

TEST_F(Brush, RandomWalkStepsFromTheAnchor) {
  s.nac = 9;
  s.r = 0.7;
  s.fit = 2.9;
  Rng expected = h.f.rnd;
  BrushStage(h.f);
  // The anchor: the centroid of three points on the circle of radius 150.
  const double ret = s.ret, grt = s.grt, blt = s.blt;
  const double ofx = (150 * std::sin(ret / 50) + 150 * std::sin(grt / 50) + 150 * std::sin(blt / 50)) / 3;
  const double ofy = (150 * std::cos(ret / 50) + 150 * std::cos(grt / 50) + 150 * std::cos(blt / 50)) / 3;
  double wx = 200 + ofx, wy = 150 + ofy;
  const Colour brush = *RGB(ret, grt, blt);
  for (int n = 1; n <= 20; ++n) {
    const double stx = std::floor(expected.Draw() * 5 - 2);
    const double sty = std::floor(expected.Draw() * 5 - 2);
    ASSERT_GE(stx, -2);
    ASSERT_LE(sty, 2);
    wx += stx;
    wy += sty;
    EXPECT_EQ(h.f.Picture1.Point(static_cast<float>(wx), static_cast<float>(wy)), brush) << n;
  }
  EXPECT_EQ(h.f.rnd.state(), expected.state());
}

TEST_F(Brush, WalksOfDotsPaintOnlyWhereThePixelReadsBlack) {
  s.r = 0.7;
  s.fit = 2.9;
  for (int mode : {10, 11}) {
    s.nac = mode;
    h.f.Picture1.SetBackColor(0x010101);  // nothing reads exactly 0
    const auto before = h.f.rnd.draws();
    BrushStage(h.f);
    EXPECT_EQ(h.f.rnd.draws() - before, 40u);  // the walk still moves on
    EXPECT_EQ(s.n, 21);
    const auto lit = Pixels(h.f.Picture1);
    EXPECT_TRUE(std::all_of(lit.begin(), lit.end(), [](std::uint32_t p) { return p == 0x010101; }))
        << "mode " << mode;

    h.f.Picture1.SetBackColor(0);
    BrushStage(h.f);
    const auto dark = Pixels(h.f.Picture1);
    EXPECT_GT(std::count(dark.begin(), dark.end(), static_cast<std::uint32_t>(*RGB(s.ret, s.grt, s.blt))),
              0)
        << "mode " << mode;
  }
}

}  // namespace
}  // namespace gc
