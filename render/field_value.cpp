// The field value of the current position, by the picture's pattern.
#include "render/modes.h"
#include "render/render.h"
#include "render/shared_trig.h"

namespace gc {

void FieldValue(Form1& f) {
  PictureState& s = f.st;
  const Num r = s.r, fi = s.fi, fit = s.fit, x = s.x, y = s.y;
  // Only the selected formula is evaluated; a failing one leaves ba as the
  // previous position left it.
  switch (SelectExact(s.tip1, 15)) {
    case 1: Let(s.ba, r * r); break;
    case 2: Let(s.ba, r * fi); break;
    case 3: Let(s.ba, r * r * SinR(r)); break;
    case 4: Let(s.ba, x * r); break;
    case 5: Let(s.ba, r * SinR(r) * x * CosY(y)); break;
    case 6: Let(s.ba, (r * r * (2 + Sin(fit * r))) / Pow(r, r + SinR(r))); break;
    case 7: Let(s.ba, r * Tan(fi) * fi); break;
    case 8: Let(s.ba, r * Tan(r) * x * SinX(x)); break;
    case 9: Let(s.ba, r * (1 + SinR(r)) + x * (1 + SinX(x)) + y * (1 + SinY(y))); break;
    case 10: Let(s.ba, r * (1 + SinR(r)) + x * (1 + SinX(x)) * y * (1 + SinY(y))); break;
    case 11: Let(s.ba, (r + x + y) / fi); break;
    case 12: Let(s.ba, r * (1 + SinR(r)) * (1 + Cos(fit + r)) * fi); break;
    case 13: Let(s.ba, r / fi); break;
    case 14: Let(s.ba, (Sqr(r) / fi) * Pow(r, 1 + SinX(x))); break;
    case 15: Let(s.ba, Pow(r / Abs(x), 1 + SinR(r) + Cos(fi))); break;
  }
}

}  // namespace gc
