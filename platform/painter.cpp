#include "platform/painter.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <numbers>

namespace gc {

// ---------------------------------------------------------------- Line ----

namespace {

// Liang-Barsky: the parameter range [t0, t1] of the segment that lies in
// the rectangle [lo_x, hi_x] x [lo_y, hi_y]; false when nothing of it does.
// edge0 and edge1 tell which edge (0 left, 1 right, 2 top, 3 bottom) set
// t0 and t1, or -1 for the segment's own end.
bool ClipRange(double x1, double y1, double x2, double y2, double lo_x, double lo_y, double hi_x,
               double hi_y, double& t0, double& t1, int& edge0, int& edge1) {
  const double dx = x2 - x1, dy = y2 - y1;
  t0 = 0, t1 = 1;
  edge0 = edge1 = -1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo_x, hi_x - x1, y1 - lo_y, hi_y - y1};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t, edge0 = k;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t, edge1 = k;
    }
  }
  return true;
}

// floor(a / b) for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The first k in [lo, hi] for which `pred` holds, given that it holds from
// some k on; hi + 1 if it never does.
template <typename Pred>
std::int64_t FirstTrue(std::int64_t lo, std::int64_t hi, Pred pred) {
  ++hi;
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (pred(mid)) hi = mid; else lo = mid + 1;
  }
  return lo;
}

// End points beyond this many pixels are first cut to the surface.
constexpr double kFarLine = 1 << 24;

}  // namespace

void Painter::Line(double x1, double y1, double x2, double y2, std::uint32_t c) const {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  if (s_.width <= 0 || s_.height <= 0) return;
  std::int64_t px1, py1, px2, py2;
  PixelOf(x1, px1), PixelOf(y1, py1), PixelOf(x2, px2), PixelOf(y2, py2);
  if (Inside(px1, py1) && Inside(px2, py2)) {  // the common case: nothing to clip
    Walk(px1, py1, px2, py2, false, c);
    return;
  }
  // The pixels stay within a pixel of the real segment, so a segment that
  // misses the surface grown by two pixels paints nothing.
  const double lo_x = -2.0, lo_y = -2.0, hi_x = s_.width + 1.0, hi_y = s_.height + 1.0;
  double t0, t1;
  int edge0, edge1;
  if (!ClipRange(x1, y1, x2, y2, lo_x, lo_y, hi_x, hi_y, t0, t1, edge0, edge1)) return;
  if (std::fabs(x1) > kFarLine || std::fabs(y1) > kFarLine || std::fabs(x2) > kFarLine ||
      std::fabs(y2) > kFarLine) {
    // Absurdly long: walk only the part near the surface, so the integer
    // arithmetic stays small. The coordinate on the cutting edge is set
    // exactly (the parameter has lost too much precision for it).
    const double ox = x1, oy = y1, dx = x2 - x1, dy = y2 - y1;
    const double edge_value[4] = {lo_x, hi_x, lo_y, hi_y};
    auto cut = [&](double t, int edge, double& x, double& y) {
      if (edge < 0) return;
      x = edge < 2 ? edge_value[edge] : ClampReal(ox + t * dx, lo_x, hi_x);
      y = edge >= 2 ? edge_value[edge] : ClampReal(oy + t * dy, lo_y, hi_y);
    };
    cut(t1, edge1, x2, y2);
    cut(t0, edge0, x1, y1);
    PixelOf(x1, px1), PixelOf(y1, py1), PixelOf(x2, px2), PixelOf(y2, py2);
  }
  Walk(px1, py1, px2, py2, true, c);
}

void Painter::Walk(std::int64_t px1, std::int64_t py1, std::int64_t px2, std::int64_t py2,
                   bool clip, std::uint32_t c) const {
  // Step k = 0 .. n-1 along the major axis; the minor coordinate is rounded
  // from the exact line between the end pixels:
  //   minor(k) = m1 + sign(dm) * floor((2 k |dm| + n) / 2n).
  // Clipping only narrows the range of k, so a clipped line paints exactly
  // the visible pixels of the whole one.
  const bool x_major = std::abs(px2 - px1) >= std::abs(py2 - py1);
  const std::int64_t a1 = x_major ? px1 : py1, a2 = x_major ? px2 : py2;  // major
  const std::int64_t m1 = x_major ? py1 : px1, m2 = x_major ? py2 : px2;  // minor
  const std::int64_t n = std::abs(a2 - a1);
  if (n == 0) return;  // zero length, or the last point only
  const std::int64_t sa = a2 > a1 ? 1 : -1, sm = m2 >= m1 ? 1 : -1;
  const std::int64_t dm = std::abs(m2 - m1);
  const std::int64_t two_dm = 2 * dm, two_n = 2 * n;
  std::int64_t k_lo = 0, k_hi = n - 1;
  if (clip) {
    const std::int64_t a_size = x_major ? s_.width : s_.height;
    const std::int64_t m_size = x_major ? s_.height : s_.width;
    auto minor_at = [&](std::int64_t k) { return m1 + sm * FloorDiv(k * two_dm + n, two_n); };
    // Steps whose major coordinate is on the surface ...
    if (sa > 0) {
      k_lo = std::max<std::int64_t>(0, -a1);
      k_hi = std::min<std::int64_t>(n - 1, a_size - 1 - a1);
    } else {
      k_lo = std::max<std::int64_t>(0, a1 - (a_size - 1));
      k_hi = std::min<std::int64_t>(n - 1, a1);
    }
    if (k_lo > k_hi) return;
    // ... and whose minor coordinate is too (it is monotone in k).
    if (sm > 0) {
      k_lo = FirstTrue(k_lo, k_hi, [&](std::int64_t k) { return minor_at(k) >= 0; });
      k_hi = FirstTrue(k_lo, k_hi, [&](std::int64_t k) { return minor_at(k) >= m_size; }) - 1;
    } else {
      k_lo = FirstTrue(k_lo, k_hi, [&](std::int64_t k) { return minor_at(k) < m_size; });
      k_hi = FirstTrue(k_lo, k_hi, [&](std::int64_t k) { return minor_at(k) < 0; }) - 1;
    }
    if (k_lo > k_hi) return;
  }

  // Bresenham from k_lo to k_hi, with no bounds tests left.
  std::int64_t num = k_lo * two_dm + n;
  const std::int64_t minor = m1 + sm * (num / two_n);
  num %= two_n;
  const std::int64_t major = a1 + sa * k_lo;
  std::uint32_t* p = x_major ? s_.Row(static_cast<int>(minor)) + major
                             : s_.Row(static_cast<int>(major)) + minor;
  const std::ptrdiff_t step_major = x_major ? sa : sa * s_.stride;
  const std::ptrdiff_t step_minor = x_major ? sm * s_.stride : sm;
  for (std::int64_t left = k_hi - k_lo; left > 0; --left) {
    *p = c;
    p += step_major;
    num += two_dm;
    if (num >= two_n) {
      num -= two_n;
      p += step_minor;
    }
  }
  *p = c;  // the pointer never moves beyond the last pixel
}

// ----------------------------------------------------------------- Box ----

void Painter::Box(double x1, double y1, double x2, double y2, std::uint32_t c,
                  std::optional<std::uint32_t> fill) const {
  std::int64_t px1, py1, px2, py2;
  if (!PixelOf(x1, px1) || !PixelOf(y1, py1) || !PixelOf(x2, px2) || !PixelOf(y2, py2)) return;
  const std::int64_t l = std::min(px1, px2), r = std::max(px1, px2);
  const std::int64_t t = std::min(py1, py2), b = std::max(py1, py2);
  Span(t, l, r, c);
  if (b == t) return;
  Span(b, l, r, c);
  // The rows between: clipped once, then written directly.
  const std::int64_t y_from = std::max<std::int64_t>(t + 1, 0);
  const std::int64_t y_to = std::min<std::int64_t>(b - 1, s_.height - 1);
  if (y_from > y_to) return;
  const bool left_edge = l >= 0 && l < s_.width, right_edge = r >= 0 && r < s_.width && r != l;
  const std::int64_t fl = std::max<std::int64_t>(l + 1, 0);
  const std::int64_t fr = std::min<std::int64_t>(r - 1, s_.width - 1);
  const bool inside = fill && fl <= fr;
  for (std::int64_t y = y_from; y <= y_to; ++y) {
    std::uint32_t* row = s_.Row(static_cast<int>(y));
    if (left_edge) row[l] = c;
    if (inside) FillPixels(row + fl, static_cast<std::size_t>(fr - fl + 1), *fill);
    if (right_edge) row[r] = c;
  }
}

// ------------------------------------------------------------- Ellipse ----

namespace {

// The rows of an ellipse's pixel set, one span per row.
class EllipseRows {
 public:
  EllipseRows(double cx, double cy, double rx, double ry, int width, int height)
      : cx_(cx), cy_(cy), rx_(rx), ry_(ry), inv_ry_(ry > 0 ? 1.0 / ry : 0.0), x_lo_(-4.0),
        x_hi_(width + 4.0) {
    // Rows and columns are clamped to a few pixels beyond the surface: far
    // enough that the outline test of the visible rows is unchanged.
    const double y_lo = -4.0, y_hi = height + 4.0;
    centre_x_ = FloorIn(cx + 0.5, x_lo_, x_hi_);
    top_ = CeilIn(cy - ry, y_lo, y_hi);
    bottom_ = FloorIn(cy + ry, y_lo, y_hi);
    if (top_ > bottom_) {  // no pixel row within the extent: the centre's row
      flat_ = true;
      top_ = bottom_ = FloorIn(cy + 0.5, y_lo, y_hi);
    }
  }
  std::int64_t top() const { return top_; }
  std::int64_t bottom() const { return bottom_; }

  // The spans [l[k], r[k]] of the rows y_first + k, k < count, all within
  // top() .. bottom(). The rows are independent, so their square roots and
  // divisions overlap (and vectorise).
  void Spans(std::int64_t y_first, int count, std::int32_t* l, std::int32_t* r) const {
    if (flat_ || ry_ == 0) {  // the single row, across the full width
      for (int k = 0; k < count; ++k) Span(rx_, l[k], r[k]);
      return;
    }
    // Branch-free passes over independent rows, so that the square roots,
    // divisions and conversions run side by side (and vectorise).
    double a[kChunk + 2], b[kChunk + 2];
    const double y0 = static_cast<double>(y_first) - cy_;
    for (int k = 0; k < count; ++k) {
      const double q = (y0 + k) * inv_ry_;
      const double t = 1.0 - q * q;
      const double half = rx_ * std::sqrt(t > 0 ? t : 0.0);
      a[k] = ClampReal(cx_ - half, x_lo_, x_hi_);
      b[k] = ClampReal(cx_ + half, x_lo_, x_hi_);
    }
    for (int k = 0; k < count; ++k) {
      const auto ta = static_cast<std::int32_t>(a[k]), tb = static_cast<std::int32_t>(b[k]);
      l[k] = ta + (static_cast<double>(ta) < a[k]);  // ceil
      r[k] = tb - (static_cast<double>(tb) > b[k]);  // floor
    }
    const auto centre = static_cast<std::int32_t>(centre_x_);
    for (int k = 0; k < count; ++k) {
      if (l[k] > r[k]) l[k] = r[k] = centre;  // too thin for a pixel centre
    }
  }

  static constexpr int kChunk = 128;

 private:
  void Span(double half, std::int32_t& l, std::int32_t& r) const {
    l = static_cast<std::int32_t>(CeilIn(cx_ - half, x_lo_, x_hi_));
    r = static_cast<std::int32_t>(FloorIn(cx_ + half, x_lo_, x_hi_));
    if (l > r) l = r = static_cast<std::int32_t>(centre_x_);  // too thin for a pixel centre
  }

  double cx_, cy_, rx_, ry_, inv_ry_, x_lo_, x_hi_;
  std::int64_t centre_x_;
  bool flat_ = false;
  std::int64_t top_, bottom_;
};

bool ValidEllipse(double cx, double cy, double rx, double ry) {
  return std::isfinite(cx) && std::isfinite(cy) && std::isfinite(rx) && std::isfinite(ry) &&
         rx >= 0 && ry >= 0;
}

// Calls emit(y, l, r, il, ir) for each visible row: the row's span [l, r] and
// its interior [il, ir] (empty when il > ir); the outline is the rest.
template <typename Emit>
void ForEachEllipseRow(const EllipseRows& rows, int height, Emit&& emit) {
  const std::int64_t y_from = std::max<std::int64_t>(rows.top(), 0);
  const std::int64_t y_to = std::min<std::int64_t>(rows.bottom(), height - 1);
  constexpr int kChunk = EllipseRows::kChunk;
  // Spans of the rows first - 1 .. last + 1 of each chunk, at index y - first + 1.
  std::int32_t l[kChunk + 2], r[kChunk + 2];
  for (std::int64_t first = y_from; first <= y_to; first += kChunk) {
    const std::int64_t last = std::min<std::int64_t>(first + kChunk - 1, y_to);
    const std::int64_t lo = std::max(first - 1, rows.top()), hi = std::min(last + 1, rows.bottom());
    rows.Spans(lo, static_cast<int>(hi - lo + 1), l + (lo - first + 1), r + (lo - first + 1));
    for (std::int64_t y = first; y <= last; ++y) {
      const std::int64_t k = y - first + 1;
      std::int32_t il = 1, ir = 0;
      if (y - 1 >= rows.top() && y + 1 <= rows.bottom()) {
        il = std::max({l[k] + 1, l[k - 1], l[k + 1]});
        ir = std::min({r[k] - 1, r[k - 1], r[k + 1]});
      }
      emit(y, l[k], r[k], il, ir);
    }
  }
}

}  // namespace

void Painter::Ellipse(double cx, double cy, double rx, double ry, std::uint32_t c,
                      std::optional<std::uint32_t> fill) const {
  if (!ValidEllipse(cx, cy, rx, ry) || s_.width <= 0 || s_.height <= 0) return;
  const EllipseRows rows(cx, cy, rx, ry, s_.width, s_.height);
  const std::int32_t last = s_.width - 1;
  // Rows are visible and spans lie within a few pixels of the surface: clip
  // each row once, then write outline, inside, outline.
  ForEachEllipseRow(rows, s_.height, [&](std::int64_t y, std::int32_t l, std::int32_t r,
                                         std::int32_t il, std::int32_t ir) {
    std::uint32_t* row = s_.Row(static_cast<int>(y));
    const std::int32_t vl = std::max(l, 0), vr = std::min(r, last);
    if (vl > vr) return;
    if (il > ir) {
      FillPixels(row + vl, static_cast<std::size_t>(vr - vl + 1), c);
      return;
    }
    for (std::int32_t x = vl, e = std::min(il - 1, vr); x <= e; ++x) row[x] = c;
    if (fill) {
      const std::int32_t fl = std::max(il, vl), fr = std::min(ir, vr);
      if (fl <= fr) FillPixels(row + fl, static_cast<std::size_t>(fr - fl + 1), *fill);
    }
    for (std::int32_t x = std::max(ir + 1, vl); x <= vr; ++x) row[x] = c;
  });
}

void Painter::EllipseArc(double cx, double cy, double rx, double ry, double start, double end,
                         std::uint32_t c) const {
  if (!std::isfinite(start) || !std::isfinite(end)) return;
  constexpr double kTurn = 2 * std::numbers::pi;
  const double s = std::fmod(std::fabs(start), kTurn), e = std::fmod(std::fabs(end), kTurn);
  if (s == e || std::fabs(std::fabs(end) - std::fabs(start)) >= kTurn) {
    Ellipse(cx, cy, rx, ry, c, std::nullopt);
    return;
  }
  if (!ValidEllipse(cx, cy, rx, ry) || s_.width <= 0 || s_.height <= 0) return;
  auto within = [&](std::int64_t x, std::int64_t y) {
    double a = std::atan2(-(static_cast<double>(y) - cy), static_cast<double>(x) - cx);
    if (a < 0) a += kTurn;
    return s < e ? (a >= s && a <= e) : (a >= s || a <= e);
  };
  auto piece = [&](std::int64_t y, std::int64_t l, std::int64_t r) {
    l = std::max<std::int64_t>(l, 0);
    r = std::min<std::int64_t>(r, s_.width - 1);
    for (std::int64_t x = l; x <= r; ++x)
      if (within(x, y)) Dot(x, y, c);
  };
  const EllipseRows rows(cx, cy, rx, ry, s_.width, s_.height);
  ForEachEllipseRow(rows, s_.height,
                    [&](std::int64_t y, std::int64_t l, std::int64_t r, std::int64_t il,
                        std::int64_t ir) {
                      if (il > ir) {
                        piece(y, l, r);
                      } else {
                        piece(y, l, il - 1);
                        piece(y, ir + 1, r);
                      }
                    });
}

// ---------------------------------------------------------------- Text ----

void Painter::MonoBitmap(std::int64_t left, std::int64_t top, const std::uint8_t* bits, int pitch,
                         int width, int rows, std::uint32_t c) const {
  const std::int64_t x_from = std::max<std::int64_t>(0, -left);
  const std::int64_t x_to = std::min<std::int64_t>(width, s_.width - left);  // exclusive
  if (x_from >= x_to) return;
  for (int row = 0; row < rows; ++row) {
    const std::int64_t y = top + row;
    if (y < 0 || y >= s_.height) continue;
    const std::uint8_t* in = bits + static_cast<std::ptrdiff_t>(row) * pitch;
    std::uint32_t* out = s_.Row(static_cast<int>(y));
    for (std::int64_t x = x_from; x < x_to; ++x)
      if (in[x >> 3] & (0x80 >> (x & 7))) out[left + x] = c;
  }
}

}  // namespace gc
