// Sines and cosines of values that repeat: r and fit, which several stages
// of one position share; y, the same along a row; x, the same down a
// column. Each remembers arguments with their results, so a repeated
// argument gets the very value the C library gave for it, without calling
// it again.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

namespace gc {

// `Slots` remembered arguments, each argument in the slot its bits hash to.
template <int Slots>
class RememberedCalls {
 public:
  template <class Fn>
  Num operator()(Num a, Fn fn) {
    const auto key = __builtin_bit_cast(std::uint64_t, a.v);
    Entry& e = entries_[Slots == 1 ? 0 : (key * 0x9E3779B97F4A7C15ull) >> 54 & (Slots - 1)];
    if (key != e.key) {
      e.key = key;
      e.value = Checked(fn(a.v));
    }
    return e.value;
  }

 private:
  static_assert(Slots == 1 || (Slots >= 2 && Slots <= 1024 && (Slots & (Slots - 1)) == 0));
  struct Entry {
    std::uint64_t key = 0x7FF8DEADBEEF0001ull;  // a NaN no argument carries
    Num value{kFailed};
  };
  Entry entries_[Slots];
};
using RememberedCall = RememberedCalls<1>;

// One set per thread, so pictures made on different threads never share.
inline thread_local RememberedCall sin_r_, cos_r_, sin_fit_, cos_fit_, sin_y_, cos_y_;
inline thread_local RememberedCalls<1024> sin_x_;

inline Num SinR(Num r) { return sin_r_(r, [](double v) { return std::sin(v); }); }
inline Num CosR(Num r) { return cos_r_(r, [](double v) { return std::cos(v); }); }
inline Num SinFit(Num fit) { return sin_fit_(fit, [](double v) { return std::sin(v); }); }
inline Num CosFit(Num fit) { return cos_fit_(fit, [](double v) { return std::cos(v); }); }
inline Num SinY(Num y) { return sin_y_(y, [](double v) { return std::sin(v); }); }
inline Num CosY(Num y) { return cos_y_(y, [](double v) { return std::cos(v); }); }
inline Num SinX(Num x) { return sin_x_(x, [](double v) { return std::sin(v); }); }

}  // namespace gc
