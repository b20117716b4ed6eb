// A draw source that hands out chosen values in order, counting them.
#pragma once

#include <cstddef>
#include <vector>

#include <gtest/gtest.h>

namespace gc {

// Largest draw below 1: draws are multiples of 2^-24.
inline constexpr double kLargestDraw = 1.0 - 1.0 / 16777216.0;

struct ScriptedDraws {
  std::vector<double> values;
  std::size_t taken = 0;
  double operator()() {
    EXPECT_LT(taken, values.size()) << "more draws than scripted";
    return taken < values.size() ? values[taken++] : 0.0;
  }
};

}  // namespace gc
