#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "overlays/overlays.h"
#include "tests/overlays/fixture.h"
#include "tests/overlays/placement_model.h"

namespace gc {
namespace {

using testing_overlays::OverlayForm;
using testing_overlays::Model;
using testing_overlays::Centre;
using testing_overlays::Placement;

TEST(OrnamentCentreAccepted, SlantedSidesBelongToTheTriangle) {
  struct Case {
    double i, j;
    bool inside;
  };
  // Apex (300, 100): at row 500 the sides are at 200 and 400.
  for (const Case c : {Case{200, 500, true}, Case{400, 500, true}, Case{300, 500, true},
                       Case{199.999, 500, false}, Case{400.001, 500, false},
                       Case{300, 100, true}, Case{300.001, 100, false},
                       Case{300, 99.999, false}, Case{325, 200, true}, Case{275, 200, true},
                       Case{325.5, 200, false}}) {
    EXPECT_EQ(OrnamentCentreAccepted(c.i, c.j, 300, 100), c.inside) << c.i << "," << c.j;
  }
}

// Distinct samples, so the last ring tells which row was picked.
void FillDistinctSamples(PictureState& s) {
  for (int k = 1; k <= 100; ++k) {
    s.samples[k][1] = static_cast<std::int16_t>(k + 100);
    s.samples[k][2] = static_cast<std::int16_t>(2 * k);
    s.samples[k][3] = static_cast<std::int16_t>(255 - k);
  }
}

TEST(DrawOrnaments, PlacesCentresInTheTriangleAndDrawsAsTheAttemptsRequire) {
  for (double seed : {1.0, 2.0, 4396645.0, 987654.0}) {
    SCOPED_TRACE(seed);
    OverlayForm w(seed);
    FillDistinctSamples(w.f.st);
    const Placement p = Model(w.f.rnd);
    const std::uint64_t before = w.f.rnd.draws();
    DrawOrnaments(w.f);

    EXPECT_EQ(w.f.rnd.draws() - before, p.draws);
    EXPECT_GT(p.draws, 2u + 3u * 100u);  // some attempts were rejected
    EXPECT_GE(p.top, 100.0f);
    EXPECT_LE(p.top, 150.0f);
    EXPECT_GE(p.axis, 100.0f);
    EXPECT_LE(p.axis, 600.0f);
    for (const Centre& c : p.centres) {
      EXPECT_GE(c.j, p.top);
      EXPECT_LE(c.j, 525.0);
      EXPECT_LE(std::fabs(c.i - p.axis), (c.j - p.top) / 4);
    }
    const Centre& last = p.centres.back();
    EXPECT_EQ(w.f.st.i, last.i);
    EXPECT_EQ(w.f.st.j, last.j);
    EXPECT_EQ(w.f.st.n, 101);
    EXPECT_EQ(w.f.st.r, 31);
    // The rim of the last ornament: its sample less 93, clamped at 0.
    EXPECT_EQ(w.f.st.ret, std::max(0, last.pick + 100 - 93));
    EXPECT_EQ(w.f.st.grt, std::max(0, 2 * last.pick - 93));
    EXPECT_EQ(w.f.st.blt, std::max(0, 255 - last.pick - 93));
    EXPECT_EQ(w.f.Picture1.fill_style, FillStyle::Transparent);
  }
}

}  // namespace
}  // namespace gc
