#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

namespace gc {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct { double in, out; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {280.5, 280}, {281.5, 282}, {255.5, 256}, {254.5, 254},
      {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {0.49999999999999994, 0}, {2.5000000000000004, 3},
      {-7.2, -7}, {1e300, 1e300}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

// The fast forms must agree with the C library's on every kind of value.
TEST(RoundingHelpers, AgreeWithTheLibraryEverywhere) {
  std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, -2.5, 4503599627370495.5,
                                4503599627370496.0, -4503599627370497.0, 9.2e18, -9.3e18,
                                1e300, -1e-300, 0.49999999999999994};
  std::uint64_t z = 42;
  for (int k = 0; k < 200000; ++k) {
    z = z * 6364136223846793005ull + 1442695040888963407ull;
    const double mag = std::ldexp(1.0, static_cast<int>(z >> 58) - 8);  // 2^-8 .. 2^55
    values.push_back((static_cast<double>(z >> 11) / 9007199254740992.0 - 0.5) * mag);
    values.push_back(std::round(values.back()) + 0.5);
  }
  for (double v : values) {
    ASSERT_EQ(std::signbit(FloorOf(v)), std::signbit(std::floor(v))) << v;
    ASSERT_EQ(FloorOf(v), std::floor(v)) << v;
    ASSERT_EQ(RoundHalfEven(v), std::nearbyint(v)) << v;
  }
  EXPECT_TRUE(std::isnan(FloorOf(kFailed)));
  EXPECT_TRUE(std::isnan(RoundHalfEven(kFailed)));
}

TEST(Mod, RoundsBothOperandsAndKeepsTheLeftSign) {
  const struct { double a, b, out; } cases[] = {
      {280.5, 280, 0}, {281.5, 280, 2}, {675, 280, 115}, {1, 280, 1},
      {-7, 3, -1}, {7, -3, 1}, {7.5, 2.5, 0}, {0x123456, 256, 0x56}};
  for (const auto& c : cases) EXPECT_EQ(Mod(c.a, c.b).v, c.out) << c.a << " mod " << c.b;
  std::uint64_t z = 7;
  for (int k = 0; k < 100000; ++k) {  // the integer path agrees with fmod
    z = z * 6364136223846793005ull + 1442695040888963407ull;
    const double a = static_cast<double>(static_cast<std::int64_t>(z) >> (z & 63));
    const double b = static_cast<double>(static_cast<std::int64_t>(z * 31) >> 40) + 0.25;
    if (RoundHalfEven(b) == 0) continue;
    const double expected = std::fmod(RoundHalfEven(a), RoundHalfEven(b));
    ASSERT_EQ(Mod(a, b).v, expected) << a << " mod " << b;
    ASSERT_EQ(std::signbit(Mod(a, b).v), std::signbit(expected)) << a << " mod " << b;
  }
  EXPECT_TRUE(Mod(5, 0.4).failed());  // the divisor rounds to 0
  EXPECT_TRUE(Mod(kFailed, 3).failed());
}

TEST(ToInt16, RoundsAndFailsOutsideTheRange) {
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);  // halves to even stay inside
  EXPECT_FALSE(ToInt16(32767.5));        // rounds to 32768
  EXPECT_FALSE(ToInt16(-32769));
  EXPECT_FALSE(ToInt16(kFailed));
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(MustInt16(-2.5), -2);
  EXPECT_THROW(MustInt16(32767.5), RuntimeError);
}

TEST(RGB, PacksSaturatesAndFails) {
  EXPECT_EQ(RGB(86, 52, 18), 86 + 256 * 52 + 65536 * 18);
  EXPECT_EQ(RGB(255.5, 0, 0), 255);  // 256, taken as 255
  EXPECT_EQ(RGB(254.5, 0, 0), 254);
  EXPECT_EQ(RGB(510, 300, 1000), 0xFFFFFF);
  EXPECT_FALSE(RGB(40000, 0, 0));  // no 16-bit conversion
  EXPECT_FALSE(RGB(-1, 0, 0));
  EXPECT_FALSE(RGB(0, kFailed, 0));
}

TEST(Sng, RoundsToSingleAndOverflows) {
  EXPECT_EQ(Sng(0.1).v, static_cast<double>(0.1f));
  EXPECT_NE(Sng(0.1).v, 0.1);
  EXPECT_EQ(Sng(16777217.0).v, 16777216.0);
  EXPECT_TRUE(Sng(1e39).failed());
  // Rnd * 10 + 10 can round up to exactly 20 for the largest draws.
  EXPECT_EQ(Sng(Num(16777215.0 / 16777216.0) * 10 + 10).v, 20.0);
}

TEST(CheckedArithmetic, FailuresOfAStatement) {
  const Num zero = 0.0, one = 1.0;
  EXPECT_TRUE((one / zero).failed());
  EXPECT_TRUE((zero / zero).failed());
  EXPECT_TRUE(Atn(Num(3.0) / zero).failed());  // not a quiet +-pi/2
  EXPECT_TRUE(Sqr(-1e-300).failed());
  EXPECT_TRUE(Pow(-2, 0.5).failed());
  EXPECT_TRUE(Pow(0, -1).failed());
  EXPECT_TRUE((Num(DBL_MAX) * 2).failed());
  EXPECT_TRUE((Num(DBL_MAX) + DBL_MAX).failed());
  EXPECT_TRUE(Pow(kFailed, 0).failed());  // a failed operand is not rescued
  EXPECT_TRUE(Pow(1, kFailed).failed());
  EXPECT_TRUE((Num(kFailed) * 0).failed());

  EXPECT_EQ(Pow(0, 0).v, 1.0);
  EXPECT_EQ(Pow(-2, 3).v, -8.0);
  EXPECT_EQ(Sqr(0).v, 0.0);
  EXPECT_EQ((zero / one).v, 0.0);
  EXPECT_EQ((Num(1e-300) * 1e-300).v, 0.0);  // underflow is not a failure
  EXPECT_EQ(Floor(-0.5).v, -1.0);
}

// A formula over Real, checked once when stored, stores exactly what the
// same formula over Num, checked at every operation, stores, and fails
// exactly where it fails: overflows on the way, infinities that a later
// divisor or arctangent would hide, zero divisors, roots of negatives.
TEST(StatementChecks, RealStoresWhatNumStores) {
  const auto formulas = std::make_tuple(
      [](auto a, auto b, auto c) { return a * b * c; },
      [](auto a, auto b, auto c) { return a * b - a * c + c; },
      [](auto a, auto b, auto) { return 1 / (a * b); },            // x / inf would be 0
      [](auto a, auto b, auto c) { return c / (a * b) + a; },
      [](auto a, auto b, auto) { return Atn(a * b); },             // atan(inf) would be pi/2
      [](auto a, auto b, auto) { return Atn(b / a); },
      [](auto a, auto b, auto c) { return Sin(a * b) * c; },
      [](auto a, auto b, auto c) { return Cos(a + b) + Tan(c); },
      [](auto a, auto b, auto c) { return Sqr(a * b + c); },
      [](auto a, auto b, auto c) { return Abs(a * b) * (1 + Sin(c)); },
      [](auto a, auto b, auto c) { return Pow(Abs(a), b + c); },
      [](auto a, auto b, auto c) { return (a * a * (2 + Sin(c * a))) / Pow(a, a + Sin(b)); },
      [](auto a, auto b, auto c) { return (a + b + c) / b; },
      [](auto a, auto b, auto c) { return a / b * 0 + c; });          // inf * 0 is NaN
  const double values[] = {0.0,   -0.0,  1.0,     -1.0,   2.5,    -3.75,   1e-300, -1e-310,
                           1e154, 1e200, DBL_MAX, -DBL_MAX, 1e308, 0.5,    kFailed};
  int stored = 0, failed = 0;
  std::apply(
      [&](auto... formula) {
        (
            [&](auto f) {
              for (double a : values)
                for (double b : values)
                  for (double c : values) {
                    double by_num = -7, by_real = -7;
                    const bool num_ok = Let(by_num, f(Num(a), Num(b), Num(c)));
                    const bool real_ok = Let(by_real, f(Real(a), Real(b), Real(c)));
                    ASSERT_EQ(num_ok, real_ok) << a << " " << b << " " << c;
                    ASSERT_EQ(std::memcmp(&by_num, &by_real, sizeof(double)), 0)
                        << a << " " << b << " " << c;
                    (num_ok ? stored : failed) += 1;
                  }
            }(formula),
            ...);
      },
      formulas);
  EXPECT_GT(stored, 1000);  // the table reaches both outcomes
  EXPECT_GT(failed, 1000);
}

TEST(FailurePolicy, LetKeepsTheTargetOnFailure) {
  double target = 7;
  EXPECT_FALSE(Let(target, Num(1) / 0.0));
  EXPECT_EQ(target, 7);
  EXPECT_TRUE(Let(target, Num(1) / 4.0));
  EXPECT_EQ(target, 0.25);
  EXPECT_TRUE(LetSng(target, 0.1));
  EXPECT_EQ(target, static_cast<double>(0.1f));
  EXPECT_FALSE(LetSng(target, 1e300));
  EXPECT_EQ(target, static_cast<double>(0.1f));
}

TEST(FailurePolicy, PassedOnFailuresAbandonUpToTheSkippingCaller) {
  int reached = 0;
  auto inner = [&] {
    reached = 1;
    const double v = Must(Num(1) / 0.0);  // abandons the rest
    reached = 2 + static_cast<int>(v);
  };
  EXPECT_FALSE(SkipFailure(inner));
  EXPECT_EQ(reached, 1);
  EXPECT_TRUE(SkipFailure([&] { reached = 5; }));
  EXPECT_EQ(reached, 5);
  try {
    Must(kFailed);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number, kErrOverflow);
  }
}

}  // namespace
}  // namespace gc
