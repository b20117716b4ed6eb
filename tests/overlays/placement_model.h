// The ornament placement the pass must make, computed independently from a
// copy of its generator.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/rng.h"

namespace gc::testing_overlays {

struct Centre {
  double i, j;
  int pick;
};

// The placement the pass must make, from a copy of its generator: the apex
// row and column, then two draws per attempt over the triangle's bounding
// box and one for the sample row of every ornament.
struct Placement {
  float top, axis;
  std::vector<Centre> centres;
  std::uint64_t draws;
};

inline Placement Model(Rng rnd) {
  Placement p{};
  const std::uint64_t start = rnd.draws();
  p.top = static_cast<float>(100.0 + 50.0 * rnd.Draw());
  const float height = static_cast<float>(525.0 - p.top);
  const float basew = static_cast<float>(height / 2.0);
  p.axis = static_cast<float>(100.0 + 500.0 * rnd.Draw());
  const float left = static_cast<float>(p.axis - basew / 2.0);
  for (int n = 1; n <= 100; ++n) {
    double i, j;
    do {
      i = left + basew * rnd.Draw();
      j = p.top + height * rnd.Draw();
    } while (std::fabs(i - p.axis) > (j - p.top) / 4);
    p.centres.push_back({i, j, static_cast<int>(std::floor(rnd.Draw() * 100 + 1))});
  }
  p.draws = rnd.draws() - start;
  return p;
}

}  // namespace gc::testing_overlays
