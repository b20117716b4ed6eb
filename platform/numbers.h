// Number rules shared by every procedure: single-precision stores, floor,
// halves-to-even rounding, the whole-number mod, 16-bit conversion and RGB.
//
// Failure is represented by NaN: a `Num` that is NaN means "this statement
// failed". Every operation below turns a non-finite result into NaN, checks
// its divisor and its domain explicitly, and passes NaN on, so a failure
// anywhere in a formula reaches the end of the statement.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace gc {

// A packed colour: red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

inline constexpr double kFailed = std::numeric_limits<double>::quiet_NaN();

// A double-precision value of a formula under evaluation; NaN = failed.
struct Num {
  double v;
  constexpr Num(double value) : v(value) {}  // NOLINT: literals and fields read as Num
  bool failed() const { return std::isnan(v); }
};

// A result that overflowed or left the domain becomes a failure.
inline Num Checked(double v) {
  return std::isfinite(v) ? Num(v) : Num(kFailed);
}

inline Num operator+(Num a, Num b) { return Checked(a.v + b.v); }
inline Num operator-(Num a, Num b) { return Checked(a.v - b.v); }
inline Num operator-(Num a) { return Num(-a.v); }
inline Num operator*(Num a, Num b) { return Checked(a.v * b.v); }
// Division by zero fails, 0 / 0 included, whatever the dividend.
inline Num operator/(Num a, Num b) {
  return b.v == 0.0 ? Num(kFailed) : Checked(a.v / b.v);
}

inline Num Sin(Num a) { return Checked(std::sin(a.v)); }
inline Num Cos(Num a) { return Checked(std::cos(a.v)); }
inline Num Tan(Num a) { return Checked(std::tan(a.v)); }
inline Num Atn(Num a) { return Checked(std::atan(a.v)); }
inline Num Abs(Num a) { return Num(std::fabs(a.v)); }
// Square root of a negative number fails.
inline Num Sqr(Num a) { return a.v < 0.0 ? Num(kFailed) : Checked(std::sqrt(a.v)); }
// a ^ b: a negative base needs a whole exponent, zero needs a non-negative
// one; 0 ^ 0 = 1. A failed operand fails (pow(NaN, 0) would be 1).
inline Num Pow(Num a, Num b) {
  if (a.failed() || b.failed()) return Num(kFailed);
  if (a.v < 0.0 && std::trunc(b.v) != b.v) return Num(kFailed);
  if (a.v == 0.0 && b.v < 0.0) return Num(kFailed);
  return Checked(std::pow(a.v, b.v));
}
// Every double of magnitude 2^52 or more is a whole number already.
inline constexpr double kTwo52 = 4503599627370496.0;

// floor(x) without a library call: the baseline x86-64 instruction set has
// no rounding instruction, and this runs several times per pixel.
inline double FloorOf(double v) {
  if (!(std::fabs(v) < kTwo52)) return v;  // whole, infinite or NaN
  const auto t = static_cast<double>(static_cast<std::int64_t>(v));  // towards zero
  return t > v ? t - 1.0 : (t == v ? v : t);  // v itself keeps a -0
}

// Int(x): the largest whole number not above x.
inline Num Floor(Num a) { return Num(FloorOf(a.v)); }

// Rounds to the nearest whole number, halves to the even neighbour. Moving
// the value out by 2^52 (away from zero) leaves no fraction bits, and the
// program never leaves the default round-to-nearest-even mode.
// Where the baseline instruction set has it, the conversion to a whole
// number does exactly this rounding in one instruction.
#if defined(__SSE2__) || defined(_M_X64)
inline std::int64_t RoundToInt64(double v) { return _mm_cvtsd_si64(_mm_set_sd(v)); }
#endif

inline double RoundHalfEven(double v) {
  if (!(std::fabs(v) < kTwo52)) return v;
#if defined(__SSE2__) || defined(_M_X64)
  const auto r = static_cast<double>(RoundToInt64(v));
#else
  const double r = v >= 0 ? (v + kTwo52) - kTwo52 : (v - kTwo52) + kTwo52;
#endif
  return r == 0.0 ? std::copysign(0.0, v) : r;
}

// a mod b: both operands rounded halves-to-even first, the remainder taking
// the sign of the left operand. A divisor that rounds to 0 fails.
inline Num Mod(Num a, Num b) {
  if (a.failed() || b.failed()) return Num(kFailed);
  const double x = RoundHalfEven(a.v);
  const double y = RoundHalfEven(b.v);
  if (y == 0.0) return Num(kFailed);
  // Whole numbers of this size divide exactly in integers; C++'s % also
  // gives the remainder the sign of the left operand.
  if (std::fabs(x) < kTwo52 && std::fabs(y) < kTwo52) {
    const auto rem = static_cast<std::int64_t>(x) % static_cast<std::int64_t>(y);
    return Num(rem == 0 ? std::copysign(0.0, x) : static_cast<double>(rem));
  }
  return Num(std::fmod(x, y));
}

// Rounded to single precision, as every single-precision store is; a value
// beyond the single range is an overflow.
inline Num Sng(Num a) {
  if (a.failed()) return a;
  const float f = static_cast<float>(a.v);
  return std::isfinite(f) ? Num(static_cast<double>(f)) : Num(kFailed);
}

// Conversion to a 16-bit whole number: halves to even; fails outside
// -32768 to 32767.
// Sets `out` and answers true when `a` converts.
inline bool ConvertsToInt16(Num a, int& out) {
#if defined(__SSE2__) || defined(_M_X64)
  // NaN and every value beyond the 64-bit range convert to INT64_MIN.
  const std::int64_t r = RoundToInt64(a.v);
  if (r < -32768 || r > 32767) return false;
  out = static_cast<int>(r);
  return true;
#else
  if (a.failed()) return false;
  const double r = RoundHalfEven(a.v);
  if (r < -32768.0 || r > 32767.0) return false;
  out = static_cast<int>(r);
  return true;
#endif
}
inline std::optional<std::int16_t> ToInt16(Num a) {
  int r;
  if (!ConvertsToInt16(a, r)) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

// RGB(red, green, blue): each channel converted to 16 bits, a channel above
// 255 taken as 255. A negative channel is an invalid argument and fails, as
// does a channel that does not convert.
inline bool ConvertsToRGB(Num red, Num green, Num blue, Colour& out) {
  int r, g, b;
  if (!ConvertsToInt16(red, r) || !ConvertsToInt16(green, g) || !ConvertsToInt16(blue, b))
    return false;
  if ((r | g | b) < 0) return false;
  auto sat = [](int c) { return c > 255 ? 255 : c; };
  out = sat(r) + 256 * sat(g) + 65536 * sat(b);
  return true;
}
inline std::optional<Colour> RGB(Num red, Num green, Num blue) {
  Colour c;
  if (!ConvertsToRGB(red, green, blue, c)) return std::nullopt;
  return c;
}

// ---------------------------------------------------------------------------
// Checking once per statement, for the formulas that run per pixel.
//
// `Real` is a double on its way through one formula. Its + - * do no checks
// of their own: an overflow gives an infinity, and no finite value ever comes
// out of +, -, *, Sin, Cos, Tan, Abs or Sqr with a non-finite operand
// (inf - inf, inf * 0 and sin(inf) are NaN). The operations that could turn
// a non-finite operand into a finite result check it: a divisor (x / inf is
// 0), Atn (atan(inf) is pi/2) and Pow. A division by zero gives an infinity
// or NaN. So a formula over Real is not finite exactly when the same formula
// over Num failed somewhere, and where it did not, every operation is the
// same and so is the value; `Let` checks once, at the store.
struct Real {
  double v;
  constexpr explicit Real(double value) : v(value) {}
  constexpr explicit Real(Num n) : v(n.v) {}
};

inline Real operator+(Real a, Real b) { return Real(a.v + b.v); }
inline Real operator-(Real a, Real b) { return Real(a.v - b.v); }
inline Real operator*(Real a, Real b) { return Real(a.v * b.v); }
inline Real operator/(Real a, Real b) {
  return Real(std::isfinite(b.v) ? a.v / b.v : kFailed);
}
inline Real operator+(Real a, double b) { return Real(a.v + b); }
inline Real operator-(Real a, double b) { return Real(a.v - b); }
inline Real operator*(Real a, double b) { return Real(a.v * b); }
inline Real operator/(Real a, double b) { return a / Real(b); }
inline Real operator+(double a, Real b) { return Real(a + b.v); }
inline Real operator-(double a, Real b) { return Real(a - b.v); }
inline Real operator*(double a, Real b) { return Real(a * b.v); }
inline Real operator/(double a, Real b) { return Real(a) / b; }

inline Real Sin(Real a) { return Real(std::sin(a.v)); }
inline Real Cos(Real a) { return Real(std::cos(a.v)); }
inline Real Tan(Real a) { return Real(std::tan(a.v)); }
inline Real Atn(Real a) { return Real(std::isfinite(a.v) ? std::atan(a.v) : kFailed); }
inline Real Abs(Real a) { return Real(std::fabs(a.v)); }
// sqrt of a negative number is NaN, of -0 it is -0, as Sqr gives.
inline Real Sqr(Real a) { return Real(std::sqrt(a.v)); }
inline Real Pow(Real a, Real b) {
  if (!std::isfinite(a.v) || !std::isfinite(b.v)) return Real(kFailed);
  return Real(Pow(Num(a.v), Num(b.v)));
}

// ---------------------------------------------------------------------------
// The failure policy.
//
// In a procedure that skips failures, every statement is written as
//     Let(target, formula);      // or LetSng for a single-precision field
// and a statement whose formula failed leaves its target unchanged; the
// next statement runs either way.
//
// A procedure that passes failures on writes `target = Must(formula);`,
// which throws RuntimeError; the nearest caller that skips catches it with
// SkipFailure(...) and goes on with its next statement.

// A run-time failure on its way to the nearest procedure that skips.
struct RuntimeError : std::runtime_error {
  int number;
  RuntimeError(int num, const std::string& description)
      : std::runtime_error(description), number(num) {}
};

// Error numbers of the platform's run-time report.
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscript = 9;
inline constexpr int kErrPathFileAccess = 75;

inline bool Let(double& target, Num value) {
  if (value.failed()) return false;
  target = value.v;
  return true;
}
inline bool LetSng(double& target, Num value) { return Let(target, Sng(value)); }
// The statement's one check: a value that is not finite failed on its way.
inline bool Let(double& target, Real value) {
  if (!std::isfinite(value.v)) return false;
  target = value.v;
  return true;
}

inline double Must(Num value) {
  if (value.failed()) throw RuntimeError(kErrOverflow, "Overflow");
  return value.v;
}

// A 16-bit conversion in a procedure that passes failures on.
inline std::int16_t MustInt16(Num value) {
  const auto converted = ToInt16(value);
  if (!converted) throw RuntimeError(kErrOverflow, "Overflow");
  return *converted;
}

// Runs one statement of a procedure that skips failures: a RuntimeError
// passed up from a called procedure abandons that procedure only.
template <class Statement>
bool SkipFailure(Statement&& statement) {
  try {
    statement();
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace gc
