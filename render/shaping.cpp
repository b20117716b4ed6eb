// Channel shaping (field value to three channel magnitudes) and the colour
// index folded from them.
#include "render/modes.h"
#include "render/render.h"
#include "render/stages.h"

namespace gc {
namespace {

// Six statements, each failing on its own.
template <int M>
void ShapeChannelsOf(Form1& f, const PositionTrig& t) {
  PictureState& s = f.st;
  const Real ba(s.ba);
  if constexpr (M == 1) {
    Let(s.re, ba * s.fak1);
    Let(s.gr, ba * s.fak2);
    Let(s.bl, ba * s.fak3);
  } else if constexpr (M == 2) {
    Let(s.re, ba * (10 + t.sin_r));
    Let(s.gr, ba * (10 + t.cos_r));
    Let(s.bl, ba * (10 + t.sin_fit));
  } else {
    Let(s.re, ba * (s.fak1 + t.sin_r));
    Let(s.gr, ba * (s.fak2 + t.cos_r));
    Let(s.bl, ba * (s.fak3 + t.sin_fit));
  }
  Let(s.re, Abs(Real(s.re)));
  Let(s.gr, Abs(Real(s.gr)));
  Let(s.bl, Abs(Real(s.bl)));
}

// A failing combination keeps barva as the brush stage last limited it.
template <int M>
void ColourIndexOf(Form1& f, const PositionTrig& t) {
  PictureState& s = f.st;
  const Real re(s.re), gr(s.gr), bl(s.bl), r(s.r);
  if constexpr (M == 1) Let(s.barva, re + gr + bl);
  if constexpr (M == 2) Let(s.barva, re + gr + bl * (1 + t.sin_r));
  if constexpr (M == 3) Let(s.barva, re / r + gr / Sqr(r));
  if constexpr (M == 4) Let(s.barva, re * t.sin_fit + gr * t.sin_r + bl * t.cos_r);
}

}  // namespace

StageFn ShapeChannelsFor(double tip2) {
  static constexpr StageFn kStages[4] = {&ShapeChannelsOf<1>, &ShapeChannelsOf<1>,
                                         &ShapeChannelsOf<2>, &ShapeChannelsOf<3>};
  return kStages[SelectExact(tip2, 3)];
}

StageFn ColourIndexFor(double tip3) {
  static constexpr StageFn kStages[5] = {&ColourIndexOf<1>, &ColourIndexOf<1>, &ColourIndexOf<2>,
                                         &ColourIndexOf<3>, &ColourIndexOf<4>};
  return kStages[SelectExact(tip3, 4)];
}

void ShapeChannels(Form1& f) { ShapeChannelsFor(f.st.tip2)(f, TrigOf(f.st)); }
void ColourIndex(Form1& f) { ColourIndexFor(f.st.tip3)(f, TrigOf(f.st)); }

}  // namespace gc
