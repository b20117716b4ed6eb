// How the per-picture selectors pick a mode.
#pragma once

#include "platform/numbers.h"

namespace gc {

// tip1, tip2, tip3: a value exactly equal to a whole number 2 to `modes`
// selects that mode; 1, anything else and any fractional value select mode 1.
inline int SelectExact(double v, int modes) {
  for (int m = 2; m <= modes; ++m)
    if (v == m) return m;
  return 1;
}

// nac: taken as a whole number first (halves to even); outside 2 to `modes`
// selects mode 1.
inline int SelectRounded(double v, int modes) {
  if (v >= 2 && v <= modes && v == static_cast<int>(v)) return static_cast<int>(v);  // the usual case
  const double w = RoundHalfEven(v);
  return w >= 2 && w <= modes ? static_cast<int>(w) : 1;
}

}  // namespace gc
