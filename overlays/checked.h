// The single-precision hand-over shared by the overlay passes: a value out of
// the single range fails instead of reaching the canvas as infinity.
#pragma once

#include "platform/numbers.h"

namespace gc::overlays_detail {

// A coordinate or radius handed to the canvas in single precision.
inline float Single(double v) { return static_cast<float>(Must(Sng(v))); }

}  // namespace gc::overlays_detail
