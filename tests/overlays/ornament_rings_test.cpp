// What the ornaments paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "overlays/overlays.h"
#include "tests/overlays/fixture.h"
#include "tests/overlays/placement_model.h"

namespace gc {
namespace {

using testing_overlays::Centre;
using testing_overlays::Model;
using testing_overlays::OverlayForm;
using testing_overlays::Pack;
using testing_overlays::Placement;

// The whole ornament compared with one drawn ring by ring from the closed
// form: ring r has each channel of the sample less 3 * (r + 1), clamped at
// 0, drawn at the centre and one pixel right and one pixel down.
TEST(OrnamentCircle, RingsDarkenBy3PerRingAndClampAtZero) {
  struct Case {
    int red, green, blue;
    Colour ring0, rim;  // written out, not computed
  };
  for (const Case c : {Case{200, 0, 0, Pack(197, 0, 0), Pack(107, 0, 0)},
                       Case{93, 94, 3, Pack(90, 91, 0), Pack(0, 1, 0)},
                       Case{255, 96, 2, Pack(252, 93, 0), Pack(162, 3, 0)}}) {
    SCOPED_TRACE(testing::Message() << c.red << "," << c.green << "," << c.blue);
    const Colour background = Pack(1, 2, 3);
    auto ring = [&](int r) {
      auto ch = [&](int v) { return std::max(0, v - 3 * (r + 1)); };
      return Pack(ch(c.red), ch(c.green), ch(c.blue));
    };
    EXPECT_EQ(ring(0), c.ring0);
    EXPECT_EQ(ring(30), c.rim);

    for (const double x : {350.0, 120.375}) {
      const double y = x == 350.0 ? 260.0 : 499.625;
      OverlayForm w;
      w.f.Picture1.SetBackColor(background);
      w.FillSamples(c.red, c.green, c.blue);
      w.f.st.i = x;
      w.f.st.j = y;
      const std::uint64_t before = w.f.rnd.draws();
      OrnamentCircle(w.f);
      EXPECT_EQ(w.f.rnd.draws() - before, 1u);
      EXPECT_EQ(w.f.st.ret, std::max(0, c.red - 93));
      EXPECT_EQ(w.f.st.grt, std::max(0, c.green - 93));
      EXPECT_EQ(w.f.st.blt, std::max(0, c.blue - 93));
      EXPECT_EQ(w.f.st.r, 31);

      Canvas want(700, 525);
      want.SetBackColor(background);
      want.fill_style = FillStyle::Transparent;
      const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
      for (int r = 0; r <= 30; ++r) {
        want.Circle(fx, fy, static_cast<float>(r), ring(r));
        want.Circle(fx + 1, fy, static_cast<float>(r), ring(r));
        want.Circle(fx, fy + 1, static_cast<float>(r), ring(r));
      }
      ASSERT_TRUE(std::equal(want.pixels(), want.pixels() + 700 * 525, w.f.Picture1.pixels()))
          << "centre " << x << "," << y;
      // The rim's rightmost pixel belongs to the copy one pixel right.
      EXPECT_EQ(w.f.Picture1.Point(fx + 31, fy), c.rim);
    }
  }
}

// The ornament is outlines only: whatever the fill style was, no pixel
// takes the fill colour.
TEST(OrnamentCircle, DrawsOutlinesWithTheFillStyleTransparent) {
  OverlayForm w;
  w.FillSamples(200, 150, 100);
  w.f.Picture1.fill_style = FillStyle::Solid;
  const Colour fill = Pack(9, 99, 199);
  w.f.Picture1.fill_color = fill;
  w.f.st.i = 100.25;
  w.f.st.j = 200.75;
  OrnamentCircle(w.f);
  EXPECT_EQ(w.f.Picture1.fill_style, FillStyle::Transparent);
  const std::uint32_t* px = w.f.Picture1.pixels();
  int painted = 0;
  for (int k = 0; k < 700 * 525; ++k) {
    ASSERT_NE(static_cast<Colour>(px[k]), fill) << k;
    painted += px[k] != 0;
  }
  EXPECT_GT(painted, 2000);  // the disc covers about pi * 31^2 pixels
}

// A black picture finishes the read-back with white samples, and its
// ornaments are then grey discs around the placed centres and nowhere else.
TEST(DrawOrnaments, BlackPictureGetsGreyOrnamentsOnlyAroundTheCentres) {
  OverlayForm w(2011);
  w.f.Picture1.SetBackColor(0);
  ReadBackPass(w.f);
  const Placement p = Model(w.f.rnd);
  DrawOrnaments(w.f);

  auto near_a_centre = [&](int x, int y, double reach) {
    return std::any_of(p.centres.begin(), p.centres.end(), [&](const Centre& c) {
      return std::hypot(x - c.i, y - c.j) <= reach;
    });
  };
  const std::uint32_t* px = w.f.Picture1.pixels();
  for (int y = 0; y < 525; ++y) {
    for (int x = 0; x < 700; ++x) {
      const auto c = static_cast<Colour>(px[y * 700 + x]);
      if (c == 0) continue;
      const int red = c & 255;
      ASSERT_EQ(c, Pack(red, red, red)) << x << "," << y;
      ASSERT_GE(red, 255 - 93) << x << "," << y;
      ASSERT_TRUE(near_a_centre(x, y, 32.5)) << x << "," << y;
    }
  }
  for (const Centre& c : p.centres) {
    const Colour at = w.f.Picture1.Point(static_cast<float>(c.i), static_cast<float>(c.j));
    if (at != -1) {
      EXPECT_NE(at, 0) << c.i << "," << c.j;
    }
  }
}

}  // namespace
}  // namespace gc
