// The orbiting centre and the polar coordinates of the current position.
#include "render/render.h"
#include "render/shared_trig.h"

namespace gc {

void OrbitCentre(Form1& f) {
  PictureState& s = f.st;
  // The angle advances before it is used.
  Let(s.fi1, Num(s.fi1) + s.korakfi1);
  Let(s.fit, Num(s.fi0) + s.fi1);
  double cx = 0, cy = 0, ox = 0, oy = 0;
  const Num r0 = s.r0;
  Let(cx, r0 * CosFit(s.fit));
  Let(cy, r0 * SinFit(s.fit));
  Let(ox, Num(cx) - s.x);
  Let(oy, Num(cy) - s.y);
  Let(s.r, Sqr(Num(ox) * ox + Num(oy) * oy));
  // The slope's principal arctangent; on the centre's vertical (ox = 0) the
  // division fails and fi keeps the previous position's value.
  Let(s.fi, Atn(Num(oy) / ox));
}

}  // namespace gc
