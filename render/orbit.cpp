// The orbiting centre and the polar coordinates of the current position.
#include <cmath>

#include "render/render.h"
#include "render/stages.h"

namespace gc {

void OrbitCentreAt(PictureState& s, PositionTrig& t) {
  // The angle advances before it is used.
  Let(s.fi1, Real(s.fi1) + s.korakfi1);
  Let(s.fit, Real(s.fi0) + s.fi1);
  t.cos_fit = Cos(Real(s.fit));
  t.sin_fit = Sin(Real(s.fit));
  double cx = 0, cy = 0, ox = 0, oy = 0;
  const Real r0(s.r0);
  Let(cx, r0 * t.cos_fit);
  Let(cy, r0 * t.sin_fit);
  Let(ox, Real(cx) - s.x);
  Let(oy, Real(cy) - s.y);
  Let(s.r, Sqr(Real(ox) * ox + Real(oy) * oy));
  // The slope's principal arctangent; on the centre's vertical (ox = 0) the
  // division fails and fi keeps the previous position's value.
  Let(s.fi, Atn(Real(oy) / ox));
}

void OrbitCentre(Form1& f) {
  PositionTrig t;
  OrbitCentreAt(f.st, t);
}

PositionTrig TrigOf(const PictureState& s) {
  PositionTrig t;
  t.sin_fit = Sin(Real(s.fit));
  t.cos_fit = Cos(Real(s.fit));
  t.sin_r = Sin(Real(s.r));
  t.cos_r = Cos(Real(s.r));
  t.sin_x = Sin(Real(s.x));
  t.sin_y = Sin(Real(s.y));
  t.cos_y = Cos(Real(s.y));
  return t;
}

}  // namespace gc
