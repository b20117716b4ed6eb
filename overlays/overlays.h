// The finishing passes that run after the raster scan.
#pragma once

#include "app/form1.h"

namespace gc {

void ReadBackPass(Form1& f);
void SplitColour(Form1& f);
void DrawOrnaments(Form1& f);
void OrnamentCircle(Form1& f);
void PrintGreeting(Form1& f);

}  // namespace gc
