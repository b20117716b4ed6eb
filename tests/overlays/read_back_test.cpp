#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "overlays/overlays.h"
#include "tests/overlays/fixture.h"

namespace gc {
namespace {

using testing_overlays::OverlayForm;
using testing_overlays::Pack;

struct Rgb {
  int r, g, b;
};

TEST(SplitColour, GivesEachChannelAndLeavesColourLessItsRed) {
  for (const Rgb c : {Rgb{86, 52, 18}, Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{255, 0, 0},
                      Rgb{0, 255, 0}, Rgb{0, 0, 255}, Rgb{1, 254, 128}}) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
    OverlayForm w;
    w.f.st.col = Pack(c.r, c.g, c.b);
    SplitColour(w.f);
    EXPECT_EQ(w.f.st.re, c.r);
    EXPECT_EQ(w.f.st.gr, c.g);
    EXPECT_EQ(w.f.st.bl, c.b);
    EXPECT_EQ(w.f.st.col, 256.0 * c.g + 65536.0 * c.b);
  }
}

// The model the pass is checked against: two draws per attempt, column
// first, 30 pixels inside each edge; the first pixel with a channel sum of at
// least 200 is kept, and a row that finds none in the allowed attempts is
// white.
struct Expected {
  std::array<Rgb, 101> samples{};
  double i = 0, j = 0;
  std::uint64_t draws = 0;
  int white_rows = 0;
};

Expected Model(Rng rnd, const Canvas& picture) {
  Expected e;
  const std::uint64_t start = rnd.draws();
  for (int k = 1; k <= 100; ++k) {
    bool found = false;
    for (int a = 0; a < kReadBackAttempts && !found; ++a) {
      e.i = std::floor(640.0 * rnd.Draw() + 30.0);
      e.j = std::floor(465.0 * rnd.Draw() + 30.0);
      const Colour c = picture.pixels()[static_cast<int>(e.j) * 700 + static_cast<int>(e.i)];
      const Rgb rgb{c & 255, (c >> 8) & 255, c >> 16};
      if (rgb.r + rgb.g + rgb.b >= 200) {
        e.samples[k] = rgb;
        found = true;
      }
    }
    if (!found) {
      e.samples[k] = {255, 255, 255};
      ++e.white_rows;
    }
  }
  e.draws = rnd.draws() - start;
  return e;
}

// Runs the pass on a painted picture and compares it with the model; row 0
// and column 0 hold a marker the pass must leave alone.
Expected RunAndCompare(OverlayForm& w) {
  for (int k = 0; k <= 100; ++k) w.f.st.samples[k][0] = 77;
  for (int c = 0; c <= 3; ++c) w.f.st.samples[0][c] = 77;
  const Expected e = Model(w.f.rnd, w.f.Picture1);
  const std::uint64_t before = w.f.rnd.draws();
  ReadBackPass(w.f);
  EXPECT_EQ(w.f.rnd.draws() - before, e.draws);
  for (int k = 1; k <= 100; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(w.f.st.samples[k][1], e.samples[k].r);
    EXPECT_EQ(w.f.st.samples[k][2], e.samples[k].g);
    EXPECT_EQ(w.f.st.samples[k][3], e.samples[k].b);
    EXPECT_EQ(w.f.st.samples[k][0], 77);
  }
  for (int c = 0; c <= 3; ++c) EXPECT_EQ(w.f.st.samples[0][c], 77);
  EXPECT_EQ(w.f.st.i, e.i);
  EXPECT_EQ(w.f.st.j, e.j);
  return e;
}

TEST(ReadBackPass, UniformPictures) {
  const std::uint64_t capped = 100ull * kReadBackAttempts * 2;
  struct Case {
    Rgb colour;
    Rgb sample;
    std::uint64_t draws;
  };
  for (const Case c : {
           Case{{200, 0, 0}, {200, 0, 0}, 200},  // a sum of exactly 200 is bright enough
           Case{{66, 67, 67}, {66, 67, 67}, 200},
           Case{{255, 255, 255}, {255, 255, 255}, 200},
           Case{{199, 0, 0}, {255, 255, 255}, capped},  // 199 never is
           Case{{0, 100, 99}, {255, 255, 255}, capped},
           Case{{0, 0, 0}, {255, 255, 255}, capped},  // black finishes, with white samples
       }) {
    SCOPED_TRACE(testing::Message() << c.colour.r << "," << c.colour.g << "," << c.colour.b);
    OverlayForm w;
    w.Paint([&](int, int) { return Pack(c.colour.r, c.colour.g, c.colour.b); });
    const std::uint64_t before = w.f.rnd.draws();
    ReadBackPass(w.f);
    EXPECT_EQ(w.f.rnd.draws() - before, c.draws);
    for (int k = 1; k <= 100; ++k) {
      ASSERT_EQ(w.f.st.samples[k][1], c.sample.r) << k;
      ASSERT_EQ(w.f.st.samples[k][2], c.sample.g) << k;
      ASSERT_EQ(w.f.st.samples[k][3], c.sample.b) << k;
    }
  }
}

// Bright pixels carry their own position in their colour, and the dark ones
// sit just below the threshold, so a wrong position, draw order or
// comparison shows up as a different table.
TEST(ReadBackPass, SamplesTheDrawnPositionsOfASparsePicture) {
  for (double seed : {1.0, 977.0, 4396645.0}) {
    SCOPED_TRACE(seed);
    OverlayForm w(seed);
    w.Paint([](int x, int y) {
      if ((x + 3 * y) % 53 == 0) return Pack(200 + x % 56, y % 256, (x * y) % 256);
      return Pack(199 - x % 100, x % 100, 0);
    });
    const Expected e = RunAndCompare(w);
    EXPECT_EQ(e.white_rows, 0);
  }
}

// With about even odds of a row finding a bright pixel within its attempts,
// rows given up on and rows found after them must both come out right.
TEST(ReadBackPass, EachRowGetsItsOwnAttemptsOnANearlyBlackPicture) {
  OverlayForm w(31337);
  w.Paint([](int x, int y) {
    return (x >= 400 && x < 405 && y >= 100 && y < 104) ? Pack(x - 300, y, 7) : 0;
  });
  const Expected e = RunAndCompare(w);
  EXPECT_GT(e.white_rows, 5);
  EXPECT_LT(e.white_rows, 95);
}

}  // namespace
}  // namespace gc
