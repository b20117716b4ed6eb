// Conversions shared by the overlay passes; each one fails the way the
// number rules say instead of wrapping or invoking undefined behaviour.
#pragma once

#include <cstdint>

#include "platform/numbers.h"

namespace gc::overlays_detail {

// A coordinate or radius handed to the canvas in single precision.
inline float Single(double v) { return static_cast<float>(Must(Sng(v))); }

// A value stored into a 16-bit table.
inline std::int16_t MustInt16(Num v) {
  const auto r = ToInt16(v);
  if (!r) throw RuntimeError(kErrOverflow, "Overflow");
  return *r;
}

}  // namespace gc::overlays_detail
