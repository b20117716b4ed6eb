// The raster scan and its per-pixel stages.
#pragma once

#include "app/form1.h"

namespace gc {

// Clears Picture1, draws the brush parameters and paints every position.
void RenderField(Form1& f);

// Per-pixel stages, in the order the scan calls them.
void OrbitCentre(Form1& f);
void FieldValue(Form1& f);
void ShapeChannels(Form1& f);
void ColourIndex(Form1& f);
void BrushStage(Form1& f);

}  // namespace gc
