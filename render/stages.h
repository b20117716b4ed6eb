// The per-pixel stages as the scan runs them: each selector (tip1, tip2,
// tip3, nac) picks its stage's formula once per row instead of once per
// position, and the sines and cosines that several stages read are computed
// once per position and handed to all of them.
//
// The named procedures (OrbitCentre, FieldValue, ...) run the very same
// code for a single position; see render.h.
#pragma once

#include "app/form1.h"
#include "platform/numbers.h"

namespace gc {

// Sines and cosines of one position: of fit and r as OrbitCentre left them,
// and of x and y where the picture's pattern reads them. Each is the value
// the C library gives for that argument, so sharing it changes no result.
struct PositionTrig {
  Real sin_fit{kFailed}, cos_fit{kFailed};
  Real sin_r{kFailed}, cos_r{kFailed};
  Real sin_x{kFailed}, sin_y{kFailed}, cos_y{kFailed};
};

// All of them, for a stage run on its own.
PositionTrig TrigOf(const PictureState& s);

// OrbitCentre, also leaving the sine and cosine of fit in `t` (the orbit
// needs them for the centre itself).
void OrbitCentreAt(PictureState& s, PositionTrig& t);

using StageFn = void (*)(Form1&, const PositionTrig&);

// The field formula the pattern selector picks, and which sines of x and y
// it reads.
struct FieldStage {
  StageFn run;
  bool sin_x, sin_y, cos_y;
};
FieldStage FieldValueFor(double tip1);
StageFn ShapeChannelsFor(double tip2);
StageFn ColourIndexFor(double tip3);
StageFn BrushStageFor(double nac);

}  // namespace gc
