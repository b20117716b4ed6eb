#include "overlays/overlays.h"

namespace gc {

void ReadBackPass(Form1&) {}
void SplitColour(Form1&) {}
void DrawOrnaments(Form1&) {}
void OrnamentCircle(Form1&) {}
void PrintGreeting(Form1&) {}

}  // namespace gc
