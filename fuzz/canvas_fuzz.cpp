// Feeds the canvas sequences of operations decoded from the fuzzer's bytes:
// every operation, with arguments that include NaN, infinities, huge and
// negative values, and Print with arbitrary bytes. Besides the sanitizers'
// checks it verifies that pixels keep a zero top byte, that Point answers
// -1 or a colour, and that the BMP round trip keeps the picture.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "platform/bmp.h"
#include "platform/canvas.h"

namespace {

float Coordinate(FuzzedDataProvider& in) {
  static constexpr float kSpecial[] = {
      std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
      -std::numeric_limits<float>::infinity(), 1e30f, -1e30f, std::numeric_limits<float>::max(),
      -std::numeric_limits<float>::max(), 0.0f, -0.0f, 0.5f, -0.5f, 1e-40f, 16777217.0f,
      2147483648.0f, -2147483904.0f, 4.5e15f, 268435456.0f};
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.PickValueInArray(kSpecial);
    case 1: return in.ConsumeFloatingPoint<float>();
    default: return in.ConsumeFloatingPointInRange(-80.0f, 250.0f);
  }
}

gc::Colour AnyColour(FuzzedDataProvider& in) { return in.ConsumeIntegral<gc::Colour>(); }

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  gc::Canvas c(in.ConsumeIntegralInRange(0, 160), in.ConsumeIntegralInRange(0, 120));
  for (int op = 0; op < 64 && in.remaining_bytes() > 0; ++op) {
    switch (in.ConsumeIntegralInRange(0, 15)) {
      case 0: c.SetBackColor(AnyColour(in)); break;
      case 1: c.Cls(); break;
      case 2: {
        const float x = Coordinate(in), y = Coordinate(in);
        c.PSet(x, y, AnyColour(in));
        break;
      }
      case 3: {
        const float x = Coordinate(in), y = Coordinate(in);
        const gc::Colour p = c.Point(x, y);
        Check(p == -1 || (p >= 0 && p <= 0xFFFFFF));
        break;
      }
      case 4: {
        const float x1 = Coordinate(in), y1 = Coordinate(in), x2 = Coordinate(in), y2 = Coordinate(in);
        c.Line(x1, y1, x2, y2, AnyColour(in));
        break;
      }
      case 5: {
        const float x1 = Coordinate(in), y1 = Coordinate(in), x2 = Coordinate(in), y2 = Coordinate(in);
        c.Box(x1, y1, x2, y2, AnyColour(in));
        break;
      }
      case 6: {
        const float x = Coordinate(in), y = Coordinate(in), r = Coordinate(in);
        c.Circle(x, y, r, AnyColour(in));
        break;
      }
      case 7: {
        const float x = Coordinate(in), y = Coordinate(in), r = Coordinate(in), a = Coordinate(in);
        c.Circle(x, y, r, AnyColour(in), a);
        break;
      }
      case 8: {
        const float x = Coordinate(in), y = Coordinate(in), r = Coordinate(in);
        const float s = Coordinate(in), e = Coordinate(in), a = Coordinate(in);
        c.Arc(x, y, r, AnyColour(in), s, e, a);
        break;
      }
      case 9: c.fill_style = static_cast<gc::FillStyle>(in.ConsumeIntegralInRange(-1, 2)); break;
      case 10: c.fill_color = AnyColour(in); break;
      case 11: c.fore_color = AnyColour(in); break;
      case 12: c.font_size = Coordinate(in); break;
      case 13: c.current_x = Coordinate(in); break;
      case 14: c.current_y = Coordinate(in); break;
      case 15: c.Print(in.ConsumeRandomLengthString(48)); break;
    }
  }
  for (int k = 0; k < c.width() * c.height(); ++k) Check(c.pixels()[k] <= 0xFFFFFFu);
  const std::vector<std::uint8_t> bmp = gc::EncodeBmp(c);
  const auto back = gc::DecodeBmp(bmp);
  Check(back.has_value() && back->width == c.width() && back->height == c.height());
  for (int k = 0; k < c.width() * c.height(); ++k)
    Check(back->pixels[k] == static_cast<gc::Colour>(c.pixels()[k]));
  // And the decoder on bytes it did not make.
  (void)gc::DecodeBmp(in.ConsumeRemainingBytes<std::uint8_t>());
  return 0;
}
