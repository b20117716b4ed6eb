// The shared pseudo-random generator: SplitMix64 on a 64-bit state, drawing
// 24-bit values that are exact in single precision. The algorithm is pinned
// so that a name gives the same picture on every platform and build.
#pragma once

#include <cstdint>

namespace gc {

class Rng {
 public:
  // Rnd: the next value, 0 <= v < 1, a multiple of 2^-24.
  double Draw() {
    state_ += 0x9E3779B97F4A7C15ull;
    ++draws_;
    return static_cast<double>(Mix(state_) >> 40) / 16777216.0;
  }

  // Puts the generator into a state that depends on `a` alone and returns a
  // draw, which callers discard.
  double Reset(double a) {
    state_ = Mix(Bits(a));
    return Draw();
  }

  // Mixes a number into the current state.
  void Seed(double n) { state_ ^= Mix(Bits(n)); }

  // Number of draws taken since construction; for tests and tools.
  std::uint64_t draws() const { return draws_; }
  std::uint64_t state() const { return state_; }

 private:
  static std::uint64_t Mix(std::uint64_t z) {
    z ^= z >> 30;
    z *= 0xBF58476D1CE4E5B9ull;
    z ^= z >> 27;
    z *= 0x94D049BB133111EBull;
    z ^= z >> 31;
    return z;
  }
  static std::uint64_t Bits(double d) { return __builtin_bit_cast(std::uint64_t, d); }

  std::uint64_t state_ = 0;
  std::uint64_t draws_ = 0;
};

}  // namespace gc
