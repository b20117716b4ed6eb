// The circle ornaments: shaded discs spread over an upright triangle.
#include "overlays/checked.h"
#include "overlays/overlays.h"

namespace gc {

using overlays_detail::Single;

bool OrnamentCentreAccepted(double i, double j, double axis, double top) {
  return !(Must(Abs(Num(i) - axis)) > Must((Num(j) - top) / 4));
}

void DrawOrnaments(Form1& f) {
  PictureState& s = f.st;
  // The triangle, fixed for the pass, in single precision.
  const double top = Must(Sng(Num(100) + 50 * Num(f.rnd.Draw())));
  const double height = Must(Sng(Num(s.vis) - top));
  const double basew = Must(Sng(Num(height) / 2));
  const double axis = Must(Sng(Num(100) + (Num(s.sir) - 200) * f.rnd.Draw()));
  const double left = Must(Sng(Num(axis) - Num(basew) / 2));
  for (s.n = 1; s.n <= 100; s.n = Must(Num(s.n) + 1)) {
    // Draws over the triangle's bounding box until a point falls inside.
    do {
      s.i = Must(Num(left) + Num(basew) * f.rnd.Draw());
      s.j = Must(Num(top) + Num(height) * f.rnd.Draw());
    } while (!OrnamentCentreAccepted(s.i, s.j, axis, top));
    OrnamentCircle(f);
  }
}

void OrnamentCircle(Form1& f) {
  PictureState& s = f.st;
  f.Picture1.fill_style = FillStyle::Transparent;
  const double pick = Must(Floor(Num(f.rnd.Draw()) * 100 + 1));
  if (!(pick >= 0 && pick < PictureState::kSampleRows)) {
    throw RuntimeError(kErrSubscript, "Subscript out of range");
  }
  const auto& sample = s.samples[static_cast<size_t>(pick)];
  s.ret = sample[1];
  s.grt = sample[2];
  s.blt = sample[3];
  // Rings from the centre outwards, each 3 darker than the one inside it.
  for (s.r = 0; s.r <= 30; s.r = Must(Num(s.r) + 1)) {
    s.ret = Must(Num(s.ret) - 3);
    s.grt = Must(Num(s.grt) - 3);
    s.blt = Must(Num(s.blt) - 3);
    if (s.ret < 0) s.ret = 0;
    if (s.grt < 0) s.grt = 0;
    if (s.blt < 0) s.blt = 0;
    const auto colour = static_cast<Colour>(Must(Num(s.ret) + 256 * Num(s.grt) + 65536 * Num(s.blt)));
    const float radius = Single(s.r);
    f.Picture1.Circle(Single(s.i), Single(s.j), radius, colour);
    f.Picture1.Circle(Single(Must(Num(s.i) + 1)), Single(s.j), radius, colour);
    f.Picture1.Circle(Single(s.i), Single(Must(Num(s.j) + 1)), radius, colour);
  }
}

}  // namespace gc
