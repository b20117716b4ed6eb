// The painter: figures as generators of spans and points, above one clipper.
//
// Span() and Dot() are the only places that know the surface's bounds (the
// line clipper asks them through Bounds()). Every figure reduces itself to
// horizontal spans or single points in pixel coordinates and hands them on;
// a filled figure costs the pixels it paints, not its bounding box.
//
// Pixel coordinates: a real coordinate c addresses pixel floor(c + 0.5),
// computed in double precision, so pixel p covers [p - 0.5, p + 0.5) and its
// centre is at p. Real inputs are clamped in floating point before any
// conversion to an integer, so huge values are safe; non-finite coordinates
// paint nothing.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <optional>

#include "platform/surface.h"

namespace gc {

// Far enough outside any surface that every figure still clips correctly,
// small enough that products of two such values fit in 64 bits.
inline constexpr double kFarPixel = 1 << 28;

inline double ClampReal(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

// floor(v) and ceil(v) of v clamped to [lo, hi] (whole numbers within
// +-2^62), by truncation: no library call, since the baseline x86-64
// instruction set has no rounding instruction and these run once per row.
inline std::int64_t FloorIn(double v, double lo, double hi) {
  v = ClampReal(v, lo, hi);
  const auto t = static_cast<std::int64_t>(v);
  return static_cast<double>(t) > v ? t - 1 : t;
}
inline std::int64_t CeilIn(double v, double lo, double hi) {
  v = ClampReal(v, lo, hi);
  const auto t = static_cast<std::int64_t>(v);
  return static_cast<double>(t) < v ? t + 1 : t;
}

// The pixel that real coordinate c falls in, clamped to +-kFarPixel.
// Returns false for NaN or infinity. floor() by hand: the baseline x86-64
// instruction set has no rounding instruction, and this runs per pixel.
inline bool PixelOf(double c, std::int64_t& p) {
  double v = c + 0.5;  // exact for every single-precision c that matters
  if (!(v >= -kFarPixel && v <= kFarPixel)) {
    if (!std::isfinite(c)) return false;
    v = v < 0 ? -kFarPixel : kFarPixel;
  }
  std::int64_t t = static_cast<std::int64_t>(v);  // truncates towards zero
  if (static_cast<double>(t) > v) --t;
  p = t;
  return true;
}

// Writes n pixels of colour c from p on. Short runs (outline pieces, small
// discs) are cheaper written in place than through a library call.
inline void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t c) {
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t), "span fills use wmemset");
  if (n <= 8) {
    for (std::size_t k = 0; k < n; ++k) p[k] = c;
    return;
  }
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(c), n);
}

class Painter {
 public:
  explicit Painter(const Surface& s) : s_(s) {}

  // ---- The clipper -------------------------------------------------------
  // Pixels l..r (inclusive) of row y; empty when r < l.
  void Span(std::int64_t y, std::int64_t l, std::int64_t r, std::uint32_t c) const {
    if (y < 0 || y >= s_.height) return;
    if (l < 0) l = 0;
    if (r >= s_.width) r = s_.width - 1;
    if (l > r) return;
    FillPixels(s_.Row(static_cast<int>(y)) + l, static_cast<std::size_t>(r - l + 1), c);
  }
  void Dot(std::int64_t x, std::int64_t y, std::uint32_t c) const {
    if (Inside(x, y)) s_.Row(static_cast<int>(y))[x] = c;
  }
  bool Inside(std::int64_t x, std::int64_t y) const {
    return x >= 0 && x < s_.width && y >= 0 && y < s_.height;
  }

  // ---- Figures -----------------------------------------------------------
  // The segment from (x1, y1) to (x2, y2) without its last pixel: one pixel
  // per step along the longer pixel axis, the other coordinate rounded from
  // the exact line between the end pixels (ties away from the start). End
  // pixels that coincide paint nothing; so does a non-finite coordinate.
  // Segments reaching far outside are first cut to the surface plus a
  // one-pixel margin, so only the pixels that can show are walked.
  void Line(double x1, double y1, double x2, double y2, std::uint32_t c) const;

  // The rectangle with opposite corner pixels (x1, y1) and (x2, y2), in any
  // order, both inclusive: its border in `c`, its inside (if any) in *fill.
  // Equal corners paint one pixel; corners in one row or column paint a
  // one-pixel line of both ends.
  void Box(double x1, double y1, double x2, double y2, std::uint32_t c,
           std::optional<std::uint32_t> fill) const;

  // The ellipse with real centre (cx, cy) and radii rx, ry >= 0: the pixels
  // whose centres lie inside or on it. Every row within the vertical extent
  // paints at least the pixel under the centre's x, and if no pixel row lies
  // within it, the centre's row is painted across the full width, so thin
  // and tiny ellipses never vanish: radii below 0.5 paint the centre pixel
  // alone. The outline is the set's pixels with a 4-neighbour outside the
  // set, painted in `c`; the rest is painted in *fill when given.
  // Negative or non-finite radii or centre paint nothing.
  void Ellipse(double cx, double cy, double rx, double ry, std::uint32_t c,
               std::optional<std::uint32_t> fill) const;

  // The outline pixels of the same ellipse whose direction from the centre,
  // counter-clockwise from the positive x axis with y up, lies between
  // `start` and `end` (radians, by magnitude, reduced to [0, 2 pi); from
  // start counter-clockwise to end). Equal reduced angles, or magnitudes a
  // whole turn or more apart (0 to 2 pi in single precision is a little
  // more than a turn), give the complete outline. Non-finite angles paint
  // nothing.
  void EllipseArc(double cx, double cy, double rx, double ry, double start, double end,
                  std::uint32_t c) const;

  // A one-bit-per-pixel bitmap (most significant bit first, `pitch` bytes
  // per row) with its top-left pixel at (left, top): set bits in c, the
  // others untouched.
  void MonoBitmap(std::int64_t left, std::int64_t top, const std::uint8_t* bits, int pitch,
                  int width, int rows, std::uint32_t c) const;

  int width() const { return s_.width; }
  int height() const { return s_.height; }

 private:
  // The pixels of a line between end pixels, without the last; `clip` when
  // the end pixels may lie outside the surface (within +-2^25).
  void Walk(std::int64_t px1, std::int64_t py1, std::int64_t px2, std::int64_t py2, bool clip,
            std::uint32_t c) const;

  Surface s_;
};

}  // namespace gc
