// World coordinates of the scan position (i, j): a 12 x 9 window centred on
// the canvas, y growing upwards.
#pragma once

#include "app/picture_state.h"
#include "platform/numbers.h"

namespace gc {

inline void MapToWorld(PictureState& s) {
  s.x = Must(Num(s.i) / s.dx - s.polx);
  s.y = Must(Num(s.poly) - Num(s.j) / s.dy);
}

}  // namespace gc
