// A window's worth of state for the overlay passes: fixed geometry, a seeded
// generator and services that do nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

namespace gc::testing_overlays {

struct OverlayForm {
  explicit OverlayForm(double seed = 12345) {
    f.st.sir = 700;
    f.st.vis = 525;
    f.rnd.Reset(-1);
    f.rnd.Seed(seed);
  }

  // Paints the whole of Picture1 with colour(x, y).
  template <class ColourAt>
  void Paint(ColourAt colour) {
    for (int y = 0; y < f.Picture1.height(); ++y)
      for (int x = 0; x < f.Picture1.width(); ++x)
        f.Picture1.PSet(static_cast<float>(x), static_cast<float>(y), colour(x, y));
  }

  void FillSamples(int red, int green, int blue) {
    for (int k = 1; k <= 100; ++k) {
      f.st.samples[k][1] = static_cast<std::int16_t>(red);
      f.st.samples[k][2] = static_cast<std::int16_t>(green);
      f.st.samples[k][3] = static_cast<std::int16_t>(blue);
    }
  }

  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  NullFiles files;
  Form1 f{Services{clock, events, prompt, files, "/nonexistent/"}};
};

inline Colour Pack(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}  // namespace gc::testing_overlays
