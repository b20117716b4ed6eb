// Composition parameters: the colour ramp and the per-picture draw.
#pragma once

#include <functional>
#include <string>

#include "app/form1.h"
#include "platform/numbers.h"

namespace gc {

// Last row of the ramp that a build writes; rows above it up to 610 stay 0.
inline constexpr int kRampLastRow = 601;

// Fills rows 0 to 601 of the colour ramp from six draws.
void BuildRamp(Form1& f);
// Draws the picture's pattern, modes, orbit and gains (nine draws) and
// builds the file name stem from the clock.
void DrawParameters(Form1& f);

// "T" + yyyymmddhhmmss cut by character position out of the clock's texts
// "mm-dd-yyyy" and "hh:mm:ss"; shorter texts give shorter pieces.
std::string FileStem(const std::string& date, const std::string& time);

// The drawing parts of BuildRamp and DrawParameters, taking each value
// from `draw` in order; the procedures pass the shared generator, tests a
// chosen sequence.
using DrawSource = std::function<double()>;
void FillRamp(PictureState& s, const DrawSource& draw);
void DrawComposition(PictureState& s, const DrawSource& draw);

// The brush parameters the scan draws at its start, each from one draw:
// the breathing radius (3 <= rr < 25) and the brush mode (1 to 18), both
// rounded to single precision by the caller's store.
inline Num BrushRadiusFrom(double draw) { return Num(draw) * 22 + 3; }
inline Num BrushModeFrom(double draw) { return Floor(Num(draw) * 18 + 1); }

}  // namespace gc
