// The brush stage: the pixel's colour from the ramp, the offsets that place
// its figure, the breathing radius, and the figure of the picture's mode.
#include <array>
#include <utility>

#include "render/modes.h"
#include "render/render.h"
#include "render/stages.h"

namespace gc {
namespace {

// ramp(row, column) for a whole-number row; a row outside the table fails
// the statement.
Real RampAt(const PictureState& s, double row, int column) {
  if (!(row >= 0 && row < PictureState::kRampRows)) return Real(kFailed);
  return Real(s.ramp[static_cast<int>(row)][column]);
}

float F(double v) { return static_cast<float>(v); }

// Offsets of one call. Locals start at 0, and a failed statement leaves 0.
struct Offsets {
  double sre = 0, sgr = 0, sbl = 0, cre = 0, cgr = 0, cbl = 0;
  double ofx = 0, ofy = 0;
  double qx1 = 0, qy1 = 0, qx2 = 0, qy2 = 0;
};

// Which offsets a mode reads; the others are never observed, so they are
// not computed.
constexpr bool UsesCircleOffsets(int mode) { return mode != 1; }
constexpr bool UsesAnchor(int mode) { return mode != 1 && mode != 3 && mode != 14 && mode != 15; }
constexpr bool UsesLineEnds(int mode) { return mode == 3; }

template <int mode>
Offsets ComputeOffsets(const PictureState& s) {
  Offsets o;
  if constexpr (!UsesCircleOffsets(mode)) return o;
  const Real ret(s.ret), grt(s.grt), blt(s.blt), fi1(s.fi1);
  // In the order the values are defined: sines, ofx, qx, cosines, ofy, qy.
  Let(o.sre, 150 * Sin(ret / 50));
  Let(o.sgr, 150 * Sin(grt / 50));
  Let(o.sbl, 150 * Sin(blt / 50));
  if constexpr (UsesAnchor(mode)) Let(o.ofx, (Real(o.sre) + o.sgr + o.sbl) / 3);
  if constexpr (UsesLineEnds(mode)) {
    Let(o.qx1, (Real(o.sre) / 2) * Sin(blt / fi1));
    Let(o.qx2, (Real(o.sgr) / 2) * Sin(grt / fi1));
  }
  Let(o.cre, 150 * Cos(ret / 50));
  Let(o.cgr, 150 * Cos(grt / 50));
  Let(o.cbl, 150 * Cos(blt / 50));
  if constexpr (UsesAnchor(mode)) Let(o.ofy, (Real(o.cre) + o.cgr + o.cbl) / 3);
  if constexpr (UsesLineEnds(mode)) {
    Let(o.qy1, (Real(o.cre) / 2) * Cos(grt / fi1));
    Let(o.qy2, (Real(o.cgr) / 2) * Cos(ret / fi1));
  }
  return o;
}

// One step of a random walk: floor(Rnd * span - half). A draw is a whole
// multiple of 2^-24 below 1, so with span and half at most 9 every value
// here is exact, lies in [-half, span - half), cannot fail, and moved up by
// 8 it is positive, where truncation is floor.
double WalkStep(Rng& rnd, double span, double half) {
  const double v = rnd.Draw() * span - half;
  return static_cast<double>(static_cast<int>(v + 8) - 8);
}

// The stage in brush mode `mode`.
template <int mode>
void BrushStageOf(Form1& f, const PositionTrig& t) {
  PictureState& s = f.st;
  Canvas& pic = f.Picture1;

  // 1. The clamp is written back.
  if (s.barva < 1) s.barva = 1;
  if (s.barva > 675) s.barva = 675;

  // 2-3. Ramp row and brush colour; a failed lookup keeps the channel.
  double idx = 0;  // a whole number: the row needs no rounding
  Let(idx, Floor(Mod(s.barva, 280) + s.pozic0));
  Let(s.ret, RampAt(s, idx, 1) * (t.sin_r + 1));
  Let(s.grt, RampAt(s, idx, 2) * (t.sin_fit + 1));
  Let(s.blt, RampAt(s, idx, 3) * (t.cos_r + 1));

  // 4. Offsets.
  const Offsets o = ComputeOffsets<mode>(s);

  // 5. Breathing radius, before the figure.
  Let(s.rr, Real(s.rr) + Real(s.fr) * 0.001);
  if (s.rr > 25) s.fr = -1;
  if (s.rr < 3) s.fr = 1;

  // 6. The figure. A colour that does not convert fails the statement that
  // uses it: nothing is have_c (or the fill colour stays).
  Colour c = 0;
  const bool have_c = ConvertsToRGB(s.ret, s.grt, s.blt, c);
  const double i = s.i, j = s.j;
  const double ax = i + o.ofx, ay = j + o.ofy;
  switch (mode) {  // resolved when the stage is compiled
    case 1:
      if (have_c) pic.PSet(F(i), F(j), c);
      break;
    case 2:
      if (have_c) pic.Circle(F(ax), F(ay), 1, c);
      break;
    case 3:
      if (have_c) pic.Line(F(i + o.qx1), F(j + o.qy1), F(i - o.qx2), F(j - o.qy2), c);
      break;
    case 4:
      pic.fill_color = 0;
      if (have_c) pic.Circle(F(ax), F(ay), F(s.rr), c);
      break;
    case 5:
      if (have_c) pic.fill_color = c;
      if (have_c) pic.Circle(F(ax), F(ay), F(s.rr), c);
      break;
    case 6: {
      double asp = 0;
      Let(asp, Num(f.rnd.Draw()) * 2 + 0.1);
      pic.fill_color = 0;
      if (have_c) pic.Circle(F(ax), F(ay), F(2 * s.rr), c, F(asp));
      break;
    }
    case 7: {
      double asp = 0;
      Let(asp, Num(f.rnd.Draw()) * 5 + 0.01);
      if (have_c) pic.fill_color = c;
      if (have_c) pic.Circle(F(ax), F(ay), F(s.rr / 3), c, F(asp));
      break;
    }
    case 8: {
      // Equal start and end angles: the complete outline, never filled.
      double asp = 0;
      Let(asp, Num(f.rnd.Draw()) * 5 + 0.01);
      if (have_c) pic.fill_color = c;
      if (have_c) pic.Arc(F(ax), F(ay), F(5 * s.rr), c, 2, 2, F(asp));
      break;
    }
    case 9:
    case 10:
    case 11: {
      // Whole-pixel steps from the anchor, two draws per step.
      const double span = mode == 9 ? 5 : 9, half = mode == 9 ? 2 : 4;
      double wx = ax, wy = ay;
      if (mode == 10 && have_c) pic.fill_color = c;
      // Nothing inside the walk reads n or the generator but the walk, so
      // both live in registers and are stored once; n holds its end value
      // plus one, as after any loop.
      Rng rnd = f.rnd;
      for (int n = 1; n <= 20; ++n) {
        const double stx = WalkStep(rnd, span, half);
        const double sty = WalkStep(rnd, span, half);
        wx = wx + stx;
        wy = wy + sty;
        if (mode == 9) {
          if (have_c) pic.PSet(F(wx), F(wy), c);
        } else if (pic.Point(F(wx), F(wy)) == 0) {
          if (have_c) pic.Circle(F(wx), F(wy), 1, c);
        }
      }
      f.rnd = rnd;
      s.n = 21;
      break;
    }
    case 12:
      if (have_c) pic.Line(F(i), F(j), F(ax), F(ay), c);
      break;
    case 13:
      if (have_c) pic.Line(F(ax), F(ay), F(ax + o.sre / 5), F(ay + o.cre / 5), c);
      break;
    case 14:
    case 15: {
      double dv = 5;
      if (mode == 15) {
        dv = 0;
        Let(dv, Num(f.rnd.Draw()) * 6 + 2);
      }
      const float x1 = F(i + o.sre / dv), y1 = F(j + o.cre / dv);
      const float x2 = F(i + o.sgr / dv), y2 = F(j + o.cgr / dv);
      const float x3 = F(i + o.sbl / dv), y3 = F(j + o.cbl / dv);
      if (have_c) {
        pic.Line(x1, y1, x2, y2, c);
        pic.Line(x2, y2, x3, y3, c);
        pic.Line(x3, y3, x1, y1, c);
      }
      break;
    }
    case 16:
      if (have_c) pic.Box(F(ax), F(ay), F(ax + 40), F(ay + 40), c);
      break;
    case 17: {
      double side = 0;
      Let(side, (Sin(Num(s.blt) / 50) + 1) * 30);
      if (have_c) pic.Box(F(ax), F(ay), F(ax + side), F(ay + side), c);
      break;
    }
    case 18:
      // The ray counter is local, not n.
      for (int k = 1; k <= 10; ++k) {
        double rx = 0, ry = 0;
        Let(rx, Num(f.rnd.Draw()) * 100 - 50);
        Let(ry, Num(f.rnd.Draw()) * 100 - 50);
        if (have_c) pic.Line(F(ax), F(ay), F(ax + rx), F(ay + ry), c);
      }
      break;
    default:
      break;
  }
}

template <int... modes>
constexpr std::array<StageFn, sizeof...(modes) + 1> StagesOf(std::integer_sequence<int, modes...>) {
  return {&BrushStageOf<1>, &BrushStageOf<modes + 1>...};
}

}  // namespace

StageFn BrushStageFor(double nac) {
  static constexpr auto kStages = StagesOf(std::make_integer_sequence<int, 18>());
  return kStages[SelectRounded(nac, 18)];
}

void BrushStage(Form1& f) { BrushStageFor(f.st.nac)(f, TrigOf(f.st)); }

}  // namespace gc
