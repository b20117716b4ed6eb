// Composition parameters: the colour ramp and the per-picture draw.
#pragma once

#include "app/form1.h"

namespace gc {

// Fills rows 0 to 601 of the colour ramp from six draws.
void BuildRamp(Form1& f);
// Draws the picture's pattern, modes, orbit and gains (nine draws) and
// builds the file name stem from the clock.
void DrawParameters(Form1& f);

}  // namespace gc
