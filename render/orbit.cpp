// The orbiting centre and the polar coordinates of the current position.
#include <cmath>

#include "render/render.h"
#include "render/stages.h"

namespace gc {

void OrbitCentreAt(PictureState& s, PositionTrig& t) {
  // The angle advances before it is used.
  Let(s.fi1, Num(s.fi1) + s.korakfi1);
  Let(s.fit, Num(s.fi0) + s.fi1);
  t.cos_fit = Cos(s.fit);
  t.sin_fit = Sin(s.fit);
  double cx = 0, cy = 0, ox = 0, oy = 0;
  const Num r0 = s.r0;
  Let(cx, r0 * t.cos_fit);
  Let(cy, r0 * t.sin_fit);
  Let(ox, Num(cx) - s.x);
  Let(oy, Num(cy) - s.y);
  Let(s.r, Sqr(Num(ox) * ox + Num(oy) * oy));
  // The slope's principal arctangent; on the centre's vertical (ox = 0) the
  // division fails and fi keeps the previous position's value.
  Let(s.fi, Atn(Num(oy) / ox));
}

void OrbitCentre(Form1& f) {
  PositionTrig t;
  OrbitCentreAt(f.st, t);
}

PositionTrig TrigOf(const PictureState& s) {
  PositionTrig t;
  t.sin_fit = Sin(s.fit);
  t.cos_fit = Cos(s.fit);
  t.sin_r = Sin(s.r);
  t.cos_r = Cos(s.r);
  t.sin_x = Sin(s.x);
  t.sin_y = Sin(s.y);
  t.cos_y = Cos(s.y);
  return t;
}

}  // namespace gc
