#include <gtest/gtest.h>

#include <functional>

#include "params/params.h"
#include "tests/params/scripted_draws.h"

namespace gc {
namespace {

// Draws giving start levels (floor(v * 255 + 1)) and steps (v + 0.5).
constexpr double kStart255 = 0.999, kStart254 = 0.995, kStart1 = 0.0;
constexpr double kStep1 = 0.5, kStep125 = 0.75, kStep05 = 0.0;

PictureState Build(std::vector<double> draws) {
  PictureState s;
  ScriptedDraws d{std::move(draws)};
  FillRamp(s, std::ref(d));
  EXPECT_EQ(d.taken, 6u);
  return s;
}

TEST(Ramp, StartLevel255WrapsOnRowZero) {
  const PictureState s = Build({kStart255, kStart1, kStart1, kStep05, kStep05, kStep05});
  EXPECT_EQ(s.ramp[0][1], 1);
  EXPECT_EQ(s.ramp[1][1], 1.5);
  EXPECT_EQ(s.ramp[0][2], 1.5);  // row 0 already carries one step
}

TEST(Ramp, ExactlyTwoFiftyFiveStaysAndWrapsOnTheNextRow) {
  const PictureState s = Build({kStart254, kStart254, kStart1, kStep1, kStep125, kStep1});
  EXPECT_EQ(s.ramp[0][1], 255);
  EXPECT_EQ(s.ramp[1][1], 1);
  EXPECT_EQ(s.ramp[2][1], 2);  // 1 + step, not step
  EXPECT_EQ(s.ramp[0][2], 1);  // 254 + 1.25 passes 255
  EXPECT_EQ(s.ramp[1][2], 2.25);
  EXPECT_EQ(s.ramp[253][3], 255);  // 1 + 254 steps of 1.0
  EXPECT_EQ(s.ramp[254][3], 1);
}

TEST(Ramp, EveryWrittenLevelLiesInOneTo255AndRunningLevelsEndOnRow601) {
  const PictureState s = Build({0.31, 0.62, 0.93, 0.17, 0.999, 0.0});
  for (int k = 0; k <= 601; ++k)
    for (int c = 1; c <= 3; ++c) {
      ASSERT_GE(s.ramp[k][c], 1) << k;
      ASSERT_LE(s.ramp[k][c], 255) << k;
    }
  EXPECT_EQ(s.re, s.ramp[601][1]);
  EXPECT_EQ(s.gr, s.ramp[601][2]);
  EXPECT_EQ(s.bl, s.ramp[601][3]);
}

TEST(Ramp, ColumnZeroAndRowsAbove601StayEmptyOverRebuilds) {
  Rng g;
  g.Reset(-1);
  g.Seed(4397584);
  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  struct : Files {
    FileResult CreateFolder(const std::string&) override { return {}; }
    FileResult WriteFileAtomically(const std::string&, const std::vector<std::uint8_t>&) override {
      return {};
    }
  } files;
  Form1 f(Services{clock, events, prompt, files, ""});
  f.rnd = g;
  for (int build = 0; build < 3; ++build) BuildRamp(f);
  EXPECT_EQ(f.rnd.draws() - g.draws(), 18u);
  for (int k = 0; k <= 610; ++k) EXPECT_EQ(f.st.ramp[k][0], 0) << k;
  for (int k = 602; k <= 610; ++k)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(f.st.ramp[k][c], 0) << k;

  // The third build used the draws 13 to 18 after the seeding, in order.
  for (int k = 0; k < 12; ++k) g.Draw();
  const PictureState s = Build({g.Draw(), g.Draw(), g.Draw(), g.Draw(), g.Draw(), g.Draw()});
  EXPECT_EQ(f.st.ramp, s.ramp);
}

}  // namespace
}  // namespace gc
