// The colour read-back pass: samples bright pixels of the finished picture.
#include "overlays/checked.h"
#include "overlays/overlays.h"

namespace gc {

using overlays_detail::Single;

void ReadBackPass(Form1& f) {
  PictureState& s = f.st;
  for (int k = 1; k <= 100; ++k) {
    bool found = false;
    // The search is capped so that a picture with no bright pixel in the
    // sampled area still finishes; every row gets its own attempts.
    for (int attempt = 0; attempt < kReadBackAttempts && !found; ++attempt) {
      s.i = Must(Floor((Num(s.sir) - 60) * f.rnd.Draw() + 30));
      s.j = Must(Floor((Num(s.vis) - 60) * f.rnd.Draw() + 30));
      s.col = f.Picture1.Point(Single(s.i), Single(s.j));
      SplitColour(f);
      found = !(Must(Num(s.re) + s.gr + s.bl) < 200);
    }
    if (found) {
      s.samples[k][1] = MustInt16(s.re);
      s.samples[k][2] = MustInt16(s.gr);
      s.samples[k][3] = MustInt16(s.bl);
    } else {
      s.samples[k][1] = s.samples[k][2] = s.samples[k][3] = 255;
    }
  }
}

void SplitColour(Form1& f) {
  PictureState& s = f.st;
  s.re = Must(Mod(s.col, 256));
  s.col = Must(Num(s.col) - s.re);
  s.bl = Must(Floor(Num(s.col) / 65536));
  s.gr = Must(Floor(Mod(s.col, 65536) / 256));
}

}  // namespace gc
