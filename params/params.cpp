#include "params/params.h"

namespace gc {

void BuildRamp(Form1&) {}
void DrawParameters(Form1&) {}

}  // namespace gc
