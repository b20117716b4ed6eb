#include <gtest/gtest.h>

#include <cmath>

#include "render/render.h"
#include "render/world.h"
#include "tests/render/headless.h"

namespace gc {
namespace {

TEST(World, CornersAndTheMiddleColumn) {
  Headless h;
  PictureState& s = h.s();
  struct Case {
    double i, j, x, y;
  };
  for (const Case& c : {Case{0, 0, -6, 4.5}, Case{700, 525, 6, -4.5}, Case{350, 262.5, 0, 0},
                        Case{350, 525, 0, -4.5}}) {
    s.i = c.i;
    s.j = c.j;
    MapToWorld(s);
    EXPECT_EQ(s.x, c.x) << c.i;
    EXPECT_EQ(s.y, c.y) << c.j;
  }
}

class Orbit : public ::testing::Test {
 protected:
  Orbit() {
    s.fi0 = 1.0;
    s.r0 = 2.5;
    s.korakfi1 = 0.00002;
    s.fi1 = 0;
    s.fi = 0.123;
  }
  Headless h;
  PictureState& s = h.s();
};

TEST_F(Orbit, AngleAdvancesBeforeUse) {
  s.x = -3;
  s.y = 1.25;
  OrbitCentre(h.f);
  EXPECT_EQ(s.fi1, 0.00002);
  EXPECT_EQ(s.fit, 1.0 + 0.00002);
  const double ox = 2.5 * std::cos(s.fit) - -3, oy = 2.5 * std::sin(s.fit) - 1.25;
  EXPECT_EQ(s.r, std::sqrt(ox * ox + oy * oy));
  EXPECT_EQ(s.fi, std::atan(oy / ox));
  OrbitCentre(h.f);
  EXPECT_EQ(s.fi1, 0.00002 + 0.00002);
}

TEST_F(Orbit, OnTheCentresVerticalFiKeepsThePreviousValue) {
  const double fit = s.fi0 + (s.fi1 + s.korakfi1);
  s.x = 2.5 * std::cos(fit);
  s.y = -1.5;
  OrbitCentre(h.f);
  EXPECT_EQ(s.fi, 0.123);
  EXPECT_EQ(s.r, std::fabs(2.5 * std::sin(fit) - -1.5));
  // The centre itself: r is 0, fi still kept.
  const double next = s.fi0 + (s.fi1 + s.korakfi1);
  s.x = 2.5 * std::cos(next);
  s.y = 2.5 * std::sin(next);
  OrbitCentre(h.f);
  EXPECT_EQ(s.r, 0);
  EXPECT_EQ(s.fi, 0.123);
}

TEST_F(Orbit, MirrorImagesThroughTheCentreShareFi) {
  s.korakfi1 = 0;  // keep the centre still for the two calls
  s.fi0 = 0;       // centre at (2.5, 0)
  s.x = 2.5 - 1;
  s.y = -0.5;
  OrbitCentre(h.f);
  const double below_left = s.fi;
  s.x = 2.5 + 1;
  s.y = 0.5;
  OrbitCentre(h.f);
  EXPECT_EQ(s.fi, below_left);
  EXPECT_GT(s.fi, 0);
}

class Field : public ::testing::Test {
 protected:
  // An ordinary position.
  static constexpr double r = 1.5, fi = 0.3, fit = 2.0, x = 0.7, y = -1.2;
  Field() { Place(r, fi, x); }
  void Place(double r_, double fi_, double x_) {
    s.r = r_;
    s.fi = fi_;
    s.fit = fit;
    s.x = x_;
    s.y = y;
  }
  double Evaluate(double tip1) {
    s.tip1 = tip1;
    FieldValue(h.f);
    return s.ba;
  }
  Headless h;
  PictureState& s = h.s();
};

TEST_F(Field, EachPatternAtAnOrdinaryPoint) {
  using std::cos, std::sin, std::tan, std::pow, std::sqrt, std::fabs;
  const double expected[16] = {
      0,
      r * r,
      r * fi,
      r * r * sin(r),
      x * r,
      r * sin(r) * x * cos(y),
      (r * r * (2 + sin(fit * r))) / pow(r, r + sin(r)),
      r * tan(fi) * fi,
      r * tan(r) * x * sin(x),
      r * (1 + sin(r)) + x * (1 + sin(x)) + y * (1 + sin(y)),
      r * (1 + sin(r)) + x * (1 + sin(x)) * y * (1 + sin(y)),
      (r + x + y) / fi,
      r * (1 + sin(r)) * (1 + cos(fit + r)) * fi,
      r / fi,
      (sqrt(r) / fi) * pow(r, 1 + sin(x)),
      pow(r / fabs(x), 1 + sin(r) + cos(fi)),
  };
  for (int p = 1; p <= 15; ++p) EXPECT_EQ(Evaluate(p), expected[p]) << "pattern " << p;
  // Spot values worked out on paper.
  EXPECT_EQ(Evaluate(1), 2.25);
  EXPECT_NEAR(Evaluate(11), 1.0 / 0.3, 1e-15);
  EXPECT_NEAR(Evaluate(13), 5.0, 1e-15);
}

TEST_F(Field, UnknownSelectorsUsePatternOne) {
  for (double tip1 : {0.0, 16.0, -3.0, 2.5, 14.999}) EXPECT_EQ(Evaluate(tip1), r * r) << tip1;
}

TEST_F(Field, FailingPatternsKeepThePreviousValue) {
  struct Case {
    int tip1;
    double r, fi, x;
  };
  for (const Case& c : {Case{11, r, 0, x}, Case{13, r, 0, x}, Case{14, r, 0, x},
                        Case{14, 0, 0, x}, Case{15, r, fi, 0}, Case{15, 0, fi, 0}}) {
    s.ba = -42.5;
    Place(c.r, c.fi, c.x);
    EXPECT_EQ(Evaluate(c.tip1), -42.5) << "pattern " << c.tip1;
  }
}

TEST_F(Field, ZeroRadiusAndZeroAngleGiveZeroWithoutFailing) {
  struct Case {
    int tip1;
    double r, fi, x;
  };
  for (const Case& c : {Case{6, 0, fi, x}, Case{14, 0, fi, x}, Case{15, 0, fi, x}, Case{2, r, 0, x},
                        Case{7, r, 0, x}, Case{12, r, 0, x}}) {
    s.ba = -42.5;
    Place(c.r, c.fi, c.x);
    EXPECT_EQ(Evaluate(c.tip1), 0) << "pattern " << c.tip1;
  }
}

}  // namespace
}  // namespace gc
