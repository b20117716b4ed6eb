#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "params/params.h"
#include "render/render.h"
#include "tests/render/headless.h"

namespace gc {
namespace {

// Calls `on_yield` at every yield of the scan.
class RecordingPump final : public EventPump {
 public:
  std::function<void()> on_yield;
  int yields = 0;
  void DoEvents() override {
    ++yields;
    if (on_yield) on_yield();
  }
};

// A window whose generator is seeded from `name` and whose parameters are
// drawn, as NewPicture leaves it just before the scan.
struct ReadyToScan : Headless {
  explicit ReadyToScan(const std::string& name, EventPump* pump = nullptr)
      : Headless({name}, pump) {
    SeedFromName(f);
    BuildRamp(f);
    DrawParameters(f);
    for (int k = 0; k < 3; ++k) f.rnd.Draw();
  }
};

TEST(Scan, YieldsOnceBeforeEachRowAndEndsPastBothLoops) {
  RecordingPump pump;
  ReadyToScan w("e", &pump);
  PictureState& s = w.s();
  pump.on_yield = [&] {
    EXPECT_EQ(s.j, pump.yields - 1);
    if (pump.yields > 1) {
      EXPECT_EQ(s.i, 701);  // the previous row is complete
    }
  };
  RenderField(w.f);
  EXPECT_EQ(pump.yields, 526);
  EXPECT_EQ(s.i, 701);
  EXPECT_EQ(s.j, 526);
  double fi1 = 0;
  for (int k = 0; k < 701 * 526; ++k) fi1 = fi1 + 0.00002;
  EXPECT_EQ(s.fi1, fi1);
  EXPECT_NEAR(s.fi1, 7.37452, 1e-9);
}

TEST(Scan, GoesOnFromWhereAHandlerLeftTheSharedCounters) {
  RecordingPump pump;
  ReadyToScan w("e", &pump);
  pump.on_yield = [&] {
    if (w.s().j == 10) w.s().j = 520;
  };
  RenderField(w.f);
  EXPECT_EQ(pump.yields, 11 + 5);  // rows 0 to 10, then 521 to 525
  EXPECT_EQ(w.s().j, 526);
}

TEST(Scan, DrawsPerPictureByBrushModeClass) {
  struct Case {
    const char* name;
    int nac;
    std::uint64_t per_pixel;
  };
  for (const Case& c : {Case{"e", 1, 0}, Case{"b", 8, 1}, Case{"a", 14, 0}, Case{"i", 15, 1},
                        Case{"y", 18, 20}, Case{"ac", 9, 40}}) {
    ReadyToScan w(c.name);
    Rng start = w.f.rnd;
    const auto before = w.f.rnd.draws();
    RenderField(w.f);
    ASSERT_EQ(w.s().nac, c.nac) << c.name;
    EXPECT_EQ(w.f.rnd.draws() - before, 2 + 701 * 526 * c.per_pixel) << c.name;
    // rr and nac are the scan's first two draws.
    EXPECT_EQ(w.s().fr == 1 || w.s().fr == -1, true);
    EXPECT_EQ(Sng(BrushModeFrom((start.Draw(), start.Draw()))).v, c.nac);
  }
}

TEST(Scan, SameNameFromFreshStateGivesIdenticalPixels) {
  // Brush modes 1 (the field itself), 10 (reads pixels back) and 18 (rays).
  for (const char* name : {"e", "h", "y"}) {
    std::vector<std::uint32_t> first;
    for (int run = 0; run < 2; ++run) {
      Headless h({name});
      Form_Load(h.f);
      const auto pixels = Pixels(h.f.Picture1);
      if (run == 0) {
        first = pixels;
        EXPECT_GT(std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p != 0; }),
                  100000)
            << name;
      } else {
        EXPECT_TRUE(pixels == first) << name;
      }
    }
  }
}

}  // namespace
}  // namespace gc
