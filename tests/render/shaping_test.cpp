#include <gtest/gtest.h>

#include <cmath>

#include "render/render.h"
#include "tests/render/headless.h"

namespace gc {
namespace {

class Shaping : public ::testing::Test {
 protected:
  Shaping() {
    s.fak1 = 12.5;
    s.fak2 = 17.25;
    s.fak3 = 10.75;
    s.r = 2.2;
    s.fit = 4.1;  // sin(fit) < 0
  }
  void Shape(double tip2, double ba) {
    s.tip2 = tip2;
    s.ba = ba;
    ShapeChannels(h.f);
  }
  Headless h;
  PictureState& s = h.s();
};

TEST_F(Shaping, NegativeFieldValueGivesTheChannelsOfItsMagnitude) {
  for (double tip2 : {1.0, 2.0, 3.0, 0.0, 4.0}) {
    Shape(tip2, 3.7);
    const double re = s.re, gr = s.gr, bl = s.bl;
    Shape(tip2, -3.7);
    EXPECT_EQ(s.re, re) << tip2;
    EXPECT_EQ(s.gr, gr) << tip2;
    EXPECT_EQ(s.bl, bl) << tip2;
    EXPECT_GT(bl, 0);
  }
}

TEST_F(Shaping, ModesByHand) {
  Shape(1, -2);
  EXPECT_EQ(s.re, 25);
  EXPECT_EQ(s.gr, 34.5);
  EXPECT_EQ(s.bl, 21.5);
  Shape(2, -2);
  EXPECT_EQ(s.re, std::fabs(-2 * (10 + std::sin(2.2))));
  EXPECT_EQ(s.gr, std::fabs(-2 * (10 + std::cos(2.2))));
  EXPECT_EQ(s.bl, std::fabs(-2 * (10 + std::sin(4.1))));
  Shape(3, 0.5);
  EXPECT_EQ(s.re, 0.5 * (12.5 + std::sin(2.2)));
  EXPECT_EQ(s.bl, 0.5 * (10.75 + std::sin(4.1)));
  Shape(4, 2);  // unknown: mode 1
  EXPECT_EQ(s.re, 25);
  Shape(2.5, 2);
  EXPECT_EQ(s.gr, 34.5);
}

TEST_F(Shaping, EachAssignmentFailsOnItsOwn) {
  s.re = -7;  // a channel that fails keeps this, and its magnitude still runs
  s.gr = -8;
  s.bl = -9;
  s.fak1 = 20;
  s.fak2 = 10;
  s.fak3 = 19;
  Shape(1, -1e307);  // red and blue overflow, green does not
  EXPECT_EQ(s.re, 7);
  EXPECT_EQ(s.gr, 1e308);
  EXPECT_EQ(s.bl, 9);
}

class Index : public ::testing::Test {
 protected:
  Index() {
    s.re = 3;
    s.gr = 5;
    s.bl = 7;
    s.r = 4;
    s.fit = 4.5;
  }
  double Evaluate(double tip3) {
    s.tip3 = tip3;
    ColourIndex(h.f);
    return s.barva;
  }
  Headless h;
  PictureState& s = h.s();
};

TEST_F(Index, ModesByHand) {
  EXPECT_EQ(Evaluate(1), 15);
  EXPECT_EQ(Evaluate(0), 15);
  EXPECT_EQ(Evaluate(5), 15);
  EXPECT_EQ(Evaluate(2), 3 + 5 + 7 * (1 + std::sin(4.0)));
  EXPECT_EQ(Evaluate(3), 3 / 4.0 + 5 / 2.0);
  EXPECT_EQ(Evaluate(4), 3 * std::sin(4.5) + 5 * std::sin(4.0) + 7 * std::cos(4.0));
  // sin(fit), sin(r) and cos(r) all negative: a negative index, not limited here.
  EXPECT_LT(s.barva, 0);
}

TEST_F(Index, ModeThreeAtTheCentreKeepsTheLimitedPreviousIndex) {
  s.barva = 675;  // as the brush stage left it
  s.r = 0;
  EXPECT_EQ(Evaluate(3), 675);
  s.re = s.gr = s.bl = 0;  // zero channels still fail at r = 0
  EXPECT_EQ(Evaluate(3), 675);
  s.r = 2;
  EXPECT_EQ(Evaluate(3), 0);
}

}  // namespace
}  // namespace gc
