// The field value of the current position, by the picture's pattern.
#include "render/modes.h"
#include "render/render.h"
#include "render/stages.h"

namespace gc {
namespace {

// Pattern P's formula; a failing one leaves ba as the previous position
// left it.
template <int P>
void FieldValueOf(Form1& f, const PositionTrig& t) {
  PictureState& s = f.st;
  const Real r(s.r), fi(s.fi), fit(s.fit), x(s.x), y(s.y);
  if constexpr (P == 1) Let(s.ba, r * r);
  if constexpr (P == 2) Let(s.ba, r * fi);
  if constexpr (P == 3) Let(s.ba, r * r * t.sin_r);
  if constexpr (P == 4) Let(s.ba, x * r);
  if constexpr (P == 5) Let(s.ba, r * t.sin_r * x * t.cos_y);
  if constexpr (P == 6) Let(s.ba, (r * r * (2 + Sin(fit * r))) / Pow(r, r + t.sin_r));
  if constexpr (P == 7) Let(s.ba, r * Tan(fi) * fi);
  if constexpr (P == 8) Let(s.ba, r * Tan(r) * x * t.sin_x);
  if constexpr (P == 9) Let(s.ba, r * (1 + t.sin_r) + x * (1 + t.sin_x) + y * (1 + t.sin_y));
  if constexpr (P == 10) Let(s.ba, r * (1 + t.sin_r) + x * (1 + t.sin_x) * y * (1 + t.sin_y));
  if constexpr (P == 11) Let(s.ba, (r + x + y) / fi);
  if constexpr (P == 12) Let(s.ba, r * (1 + t.sin_r) * (1 + Cos(fit + r)) * fi);
  if constexpr (P == 13) Let(s.ba, r / fi);
  if constexpr (P == 14) Let(s.ba, (Sqr(r) / fi) * Pow(r, 1 + t.sin_x));
  if constexpr (P == 15) Let(s.ba, Pow(r / Abs(x), 1 + t.sin_r + Cos(fi)));
}

template <int P>
constexpr FieldStage Stage() {
  return {&FieldValueOf<P>, P == 8 || P == 9 || P == 10 || P == 14, P == 9 || P == 10, P == 5};
}

}  // namespace

FieldStage FieldValueFor(double tip1) {
  // Only the selected formula is ever evaluated.
  static constexpr FieldStage kStages[16] = {
      Stage<1>(),  Stage<1>(),  Stage<2>(),  Stage<3>(),  Stage<4>(),  Stage<5>(),
      Stage<6>(),  Stage<7>(),  Stage<8>(),  Stage<9>(),  Stage<10>(), Stage<11>(),
      Stage<12>(), Stage<13>(), Stage<14>(), Stage<15>(),
  };
  return kStages[SelectExact(tip1, 15)];
}

void FieldValue(Form1& f) { FieldValueFor(f.st.tip1).run(f, TrigOf(f.st)); }

}  // namespace gc
