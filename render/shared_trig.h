// Sines and cosines of the values that several stages of one position
// share (the distance r and the orbit angle fit). Each remembers its last
// argument and result, so the stages after the first get the very value the
// C library gave for that argument without calling it again.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

namespace gc {

class RememberedCall {
 public:
  template <class Fn>
  Num operator()(Num a, Fn fn) {
    const auto key = __builtin_bit_cast(std::uint64_t, a.v);
    if (key != key_) {
      key_ = key;
      value_ = Checked(fn(a.v));
    }
    return value_;
  }

 private:
  std::uint64_t key_ = 0x7FF8DEADBEEF0001ull;  // a NaN no argument carries
  Num value_{kFailed};
};

// One set per thread, so pictures made on different threads never share.
inline thread_local RememberedCall sin_r_, cos_r_, sin_fit_, cos_fit_;

inline Num SinR(Num r) { return sin_r_(r, [](double v) { return std::sin(v); }); }
inline Num CosR(Num r) { return cos_r_(r, [](double v) { return std::cos(v); }); }
inline Num SinFit(Num fit) { return sin_fit_(fit, [](double v) { return std::sin(v); }); }
inline Num CosFit(Num fit) { return cos_fit_(fit, [](double v) { return std::cos(v); }); }

}  // namespace gc
