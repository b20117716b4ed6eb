// The raster scan: clears the canvas, draws the brush parameters and runs
// the per-pixel stages over all 701 x 526 positions, row by row.
#include "params/params.h"
#include "render/render.h"
#include "render/world.h"

namespace gc {

void RenderField(Form1& f) {
  PictureState& s = f.st;
  f.Picture1.SetBackColor(0);
  s.rr = Must(Sng(BrushRadiusFrom(f.rnd.Draw())));
  s.fr = 1;
  f.surface.SetBackColor(0);
  s.nac = Must(Sng(BrushModeFrom(f.rnd.Draw())));

  // i and j are the shared counters: a handler run in the yield may move
  // them, and the scan goes on from wherever they are. End values are read
  // once per loop.
  const double last_row = s.vis;
  for (s.j = 0; s.j <= last_row; s.j = s.j + 1) {
    f.os.events.DoEvents();
    const double last_column = s.sir;
    for (s.i = 0; s.i <= last_column; s.i = s.i + 1) {
      MapToWorld(s);
      OrbitCentre(f);
      FieldValue(f);
      ShapeChannels(f);
      ColourIndex(f);
      BrushStage(f);
    }
  }
}

}  // namespace gc
