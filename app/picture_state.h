// The picture state: the one record through which every procedure of a
// picture communicates. Field names are the ones the procedures use.
//
// Every numeric field is held as a double. An empty field reads 0, so all of
// them start at 0; fields stored in single precision are rounded when stored
// (see LetSng in platform/numbers.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gc {

struct PictureState {
  // Geometry, fixed for the life of the window.
  double sir = 0, vis = 0;    // last column and row index of the canvas loops
  double polx = 0, poly = 0;  // half width and half height of the world window
  double dx = 0, dy = 0;      // pixels per world unit across and down

  // Position of the current pixel or figure.
  double i = 0, j = 0;  // column and row (scan, save, read-back, ornaments)
  double x = 0, y = 0;  // world coordinates

  // Orbit and polar coordinates.
  double fi0 = 0, r0 = 0, korakfi1 = 0, fi1 = 0, fit = 0, r = 0, fi = 0;

  // Composition parameters.
  double tip1 = 0, tip2 = 0, tip3 = 0, pozic0 = 0;
  double fak1 = 0, fak2 = 0, fak3 = 0;
  double nac = 0, rr = 0, fr = 0;
  std::string imeslike;

  // Per-pixel colour.
  double ba = 0;
  double re = 0, gr = 0, bl = 0;
  double barva = 0;
  double ret = 0, grt = 0, blt = 0;
  double col = 0;
  double n = 0;

  // Name and seed.
  std::string t1, t2, t;
  double dolz = 0;
  double seed = 0;

  // Tables, fixed in size for the life of the record.
  static constexpr int kRampRows = 611, kSampleRows = 101, kCodes = 101;
  std::array<std::array<double, 4>, kRampRows> ramp{};           // rows 0..610, cols 0..3
  std::array<std::array<std::int16_t, 4>, kSampleRows> samples{};  // rows 0..100, cols 0..3
  std::array<std::int16_t, kCodes> codes{};                        // 0..100
};

}  // namespace gc
