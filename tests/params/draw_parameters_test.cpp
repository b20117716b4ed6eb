#include <gtest/gtest.h>

#include <functional>

#include "params/params.h"
#include "tests/params/scripted_draws.h"

namespace gc {
namespace {

double Single(double v) { return static_cast<float>(v); }

TEST(DrawComposition, DrawOfZeroGivesTheLowestValues) {
  PictureState s;
  s.fi1 = 7.3;  // left over from the previous picture's scan
  ScriptedDraws zeros{std::vector<double>(9, 0.0)};
  DrawComposition(s, std::ref(zeros));
  EXPECT_EQ(zeros.taken, 9u);
  EXPECT_EQ(s.tip1, 1);
  EXPECT_EQ(s.tip2, 1);
  EXPECT_EQ(s.tip3, 1);
  EXPECT_EQ(s.pozic0, 5);
  EXPECT_EQ(s.fi0, 0);
  EXPECT_EQ(s.fi1, 0);
  EXPECT_EQ(s.r0, 1);
  EXPECT_EQ(s.korakfi1, 0.00002);
  EXPECT_EQ(s.fak1, 10);
  EXPECT_EQ(s.fak2, 10);
  EXPECT_EQ(s.fak3, 10);
  EXPECT_EQ(Sng(BrushRadiusFrom(0.0)).v, 3);
  EXPECT_EQ(Sng(BrushModeFrom(0.0)).v, 1);
}

TEST(DrawComposition, LargestDrawStaysInRangeAfterSingleRounding) {
  PictureState s;
  ScriptedDraws top{std::vector<double>(9, kLargestDraw)};
  DrawComposition(s, std::ref(top));
  EXPECT_EQ(s.tip1, 15);  // the floor is of the double, so never 16
  EXPECT_EQ(s.tip2, 3);
  EXPECT_EQ(s.tip3, 4);
  EXPECT_EQ(s.pozic0, 304);
  EXPECT_LT(s.fi0, 6.283);
  EXPECT_GT(s.fi0, 6.2829996);
  EXPECT_EQ(s.fi0, kLargestDraw * 6.283);  // double, not rounded to single
  EXPECT_EQ(s.r0, 4.0 - 1.0 / 4194304);    // 4 - 3 * 2^-24 rounds to the single below 4
  EXPECT_EQ(s.fak1, 20);                   // 20 - 10 * 2^-24 rounds up to 20
  EXPECT_EQ(s.fak3, 20);
  EXPECT_EQ(Sng(BrushRadiusFrom(kLargestDraw)).v, 25.0 - 1.0 / 524288);
  EXPECT_EQ(Sng(BrushModeFrom(kLargestDraw)).v, 18);
}

TEST(DrawComposition, TakesEachFieldFromItsOwnDrawInOrder) {
  PictureState s;
  const std::vector<double> v{0.5, 0.25, 0.75, 0.1, 0.3, 0.7, 0.05, 0.95, 0.123456};
  ScriptedDraws draws{v};
  DrawComposition(s, std::ref(draws));
  EXPECT_EQ(s.tip1, 8);    // floor(8.5)
  EXPECT_EQ(s.tip2, 1);    // floor(1.75)
  EXPECT_EQ(s.tip3, 4);    // floor(4)
  EXPECT_EQ(s.pozic0, 35);  // floor(0.1 * 300 + 5)
  EXPECT_EQ(s.fi0, 0.3 * 6.283);
  EXPECT_EQ(s.r0, Single(0.7 * 3 + 1));
  EXPECT_EQ(s.fak1, Single(0.05 * 10 + 10));
  EXPECT_EQ(s.fak2, Single(0.95 * 10 + 10));
  EXPECT_EQ(s.fak3, Single(0.123456 * 10 + 10));
  EXPECT_NE(s.fak3, 0.123456 * 10 + 10);  // the single rounding shows
}

struct Window {
  explicit Window(FixedClock c) : clock(std::move(c)) {}
  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  NullFiles files;
  Form1 f{Services{clock, events, prompt, files, ""}};
};

TEST(DrawParameters, TakesNineDrawsOfTheSharedGenerator) {
  Window w(FixedClock("11-16-2010", "08:48:21"));
  w.f.rnd.Reset(-1);
  w.f.rnd.Seed(4397584);
  Rng expected = w.f.rnd;  // the same sequence, drawn here by hand
  const auto before = w.f.rnd.draws();
  DrawParameters(w.f);
  EXPECT_EQ(w.f.rnd.draws() - before, 9u);

  PictureState s;
  DrawComposition(s, [&] { return expected.Draw(); });
  EXPECT_EQ(w.f.st.tip1, s.tip1);
  EXPECT_EQ(w.f.st.pozic0, s.pozic0);
  EXPECT_EQ(w.f.st.fi0, s.fi0);
  EXPECT_EQ(w.f.st.fak3, s.fak3);
  EXPECT_EQ(w.f.rnd.state(), expected.state());
  EXPECT_EQ(w.f.st.imeslike, "T20101116084821");
}

TEST(FileStem, CutsByCharacterPosition) {
  struct Case {
    const char *date, *time, *stem;
  };
  for (const Case& c : {
           Case{"01-01-2011", "00:00:05", "T20110101000005"},  // leading zeros kept
           Case{"12-31-1999", "23:59:59", "T19991231235959"},
           Case{"11-16-20", "08:48", "T2011160848"},  // short texts: short pieces
           Case{"", "", "T"},
           Case{"1", "7", "T17"},
       }) {
    EXPECT_EQ(FileStem(c.date, c.time), c.stem) << c.date << " " << c.time;
  }
}

}  // namespace
}  // namespace gc
