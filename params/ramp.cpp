// The colour ramp: three saw-tooth channels over rows 0 to 601.
#include "params/params.h"

namespace gc {

void BuildRamp(Form1& f) {
  FillRamp(f.st, [&f] { return f.rnd.Draw(); });
}

void FillRamp(PictureState& s, const DrawSource& draw) {
  // Start levels 1 to 255, whole numbers held in single precision.
  s.re = Must(Sng(Floor(Num(draw()) * 255 + 1)));
  s.gr = Must(Sng(Floor(Num(draw()) * 255 + 1)));
  s.bl = Must(Sng(Floor(Num(draw()) * 255 + 1)));
  // Steps in [0.5, 1.5), kept in double precision.
  const Num red_step = Num(draw()) + 0.5;
  const Num green_step = Num(draw()) + 0.5;
  const Num blue_step = Num(draw()) + 0.5;

  for (int k = 0; k <= kRampLastRow; ++k) {
    s.re = Must(Num(s.re) + red_step);
    s.gr = Must(Num(s.gr) + green_step);
    s.bl = Must(Num(s.bl) + blue_step);
    // Strictly above 255 wraps to exactly 1; the excess is dropped.
    if (s.re > 255) s.re = 1;
    if (s.gr > 255) s.gr = 1;
    if (s.bl > 255) s.bl = 1;
    s.ramp[k][1] = s.re;
    s.ramp[k][2] = s.gr;
    s.ramp[k][3] = s.bl;
  }
}

}  // namespace gc
