// The raster scan: clears the canvas, draws the brush parameters and runs
// the per-pixel stages over all 701 x 526 positions, row by row.
#include <cmath>
#include <cstdint>

#include "params/params.h"
#include "render/render.h"
#include "render/stages.h"
#include "render/world.h"

namespace gc {
namespace {

// A sine or cosine remembered with its argument: x repeats down a column,
// y along a row. A stored argument that differs in any bit is recomputed,
// so a remembered value is always the library's value for this argument.
struct Remembered {
  std::uint64_t key = 0x7FF8DEADBEEF0001ull;  // a NaN no argument carries
  Real value{kFailed};

  template <class Fn>
  Real Of(double a, Fn fn) {
    const auto bits = __builtin_bit_cast(std::uint64_t, a);
    if (bits != key) {
      key = bits;
      value = fn(Real(a));
    }
    return value;
  }
};

// What a row runs, picked after the yield before it (a handler run there
// may have drawn new parameters).
struct RowPlan {
  FieldStage field;
  StageFn shape, index, brush;
};

RowPlan PlanOf(const PictureState& s) {
  return {FieldValueFor(s.tip1), ShapeChannelsFor(s.tip2), ColourIndexFor(s.tip3),
          BrushStageFor(s.nac)};
}

constexpr int kColumns = 1024;

Real SinOf(Real a) { return Sin(a); }
Real CosOf(Real a) { return Cos(a); }

}  // namespace

void RenderField(Form1& f) {
  PictureState& s = f.st;
  f.Picture1.SetBackColor(0);
  s.rr = Must(Sng(BrushRadiusFrom(f.rnd.Draw())));
  s.fr = 1;
  f.surface.SetBackColor(0);
  s.nac = Must(Sng(BrushModeFrom(f.rnd.Draw())));

  Remembered sin_y, cos_y;
  Remembered sin_x[kColumns];  // one per column

  // i and j are the shared counters: a handler run in the yield may move
  // them, and the scan goes on from wherever they are. End values are read
  // once per loop.
  const double last_row = s.vis;
  for (s.j = 0; s.j <= last_row; s.j = s.j + 1) {
    f.os.events.DoEvents();
    const RowPlan plan = PlanOf(s);
    const double last_column = s.sir;
    for (s.i = 0; s.i <= last_column; s.i = s.i + 1) {
      MapToWorld(s);
      PositionTrig t;
      OrbitCentreAt(s, t);
      t.sin_r = Sin(Real(s.r));
      t.cos_r = Cos(Real(s.r));
      if (plan.field.sin_x) {
        const double i = s.i;
        t.sin_x = i >= 0 && i < kColumns ? sin_x[static_cast<int>(i)].Of(s.x, SinOf) : Sin(Real(s.x));
      }
      if (plan.field.sin_y) t.sin_y = sin_y.Of(s.y, SinOf);
      if (plan.field.cos_y) t.cos_y = cos_y.Of(s.y, CosOf);
      plan.field.run(f, t);
      plan.shape(f, t);
      plan.index(f, t);
      plan.brush(f, t);
    }
  }
}

}  // namespace gc
