// Channel shaping (field value to three channel magnitudes) and the colour
// index folded from them.
#include "render/modes.h"
#include "render/render.h"
#include "render/shared_trig.h"

namespace gc {

void ShapeChannels(Form1& f) {
  PictureState& s = f.st;
  const Num ba = s.ba, r = s.r, fit = s.fit;
  // Six statements, each failing on its own.
  switch (SelectExact(s.tip2, 3)) {
    case 1:
      Let(s.re, ba * s.fak1);
      Let(s.gr, ba * s.fak2);
      Let(s.bl, ba * s.fak3);
      break;
    case 2:
      Let(s.re, ba * (10 + SinR(r)));
      Let(s.gr, ba * (10 + CosR(r)));
      Let(s.bl, ba * (10 + SinFit(fit)));
      break;
    case 3:
      Let(s.re, ba * (s.fak1 + SinR(r)));
      Let(s.gr, ba * (s.fak2 + CosR(r)));
      Let(s.bl, ba * (s.fak3 + SinFit(fit)));
      break;
  }
  Let(s.re, Abs(s.re));
  Let(s.gr, Abs(s.gr));
  Let(s.bl, Abs(s.bl));
}

void ColourIndex(Form1& f) {
  PictureState& s = f.st;
  const Num re = s.re, gr = s.gr, bl = s.bl, r = s.r, fit = s.fit;
  // A failing combination keeps barva as the brush stage last limited it.
  switch (SelectExact(s.tip3, 4)) {
    case 1: Let(s.barva, re + gr + bl); break;
    case 2: Let(s.barva, re + gr + bl * (1 + SinR(r))); break;
    case 3: Let(s.barva, re / r + gr / Sqr(r)); break;
    case 4: Let(s.barva, re * SinFit(fit) + gr * SinR(r) + bl * CosR(r)); break;
  }
}

}  // namespace gc
