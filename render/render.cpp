#include "render/render.h"

namespace gc {

void RenderField(Form1& f) {
  f.Picture1.SetBackColor(0);
  for (f.st.j = 0; f.st.j <= f.st.vis; ++f.st.j) f.os.events.DoEvents();
}
void OrbitCentre(Form1&) {}
void FieldValue(Form1&) {}
void ShapeChannels(Form1&) {}
void ColourIndex(Form1&) {}
void BrushStage(Form1&) {}

}  // namespace gc
