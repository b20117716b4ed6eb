// The greeting caption and the window's mark.
#include <string>

#include "overlays/overlays.h"

namespace gc {

namespace {
constexpr Colour kPaletteBlack = 0x000000;       // palette entry 0
constexpr Colour kPaletteBrightWhite = 0xFFFFFF;  // palette entry 15
}  // namespace

// Every step stands on its own: one that fails is skipped and the next runs.
void PrintGreeting(Form1& f) {
  Canvas& p = f.Picture1;
  const std::string line = f.st.t + std::string(kGreetingText);
  p.font_size = 12;
  p.fore_color = kPaletteBlack;
  p.current_x = 10;
  p.current_y = 490;
  SkipFailure([&] { p.Print(line); });
  // The white copy one pixel right and down edges the letters in black.
  p.fore_color = kPaletteBrightWhite;
  p.current_x = 11;
  p.current_y = 491;
  SkipFailure([&] { p.Print(line); });
  f.surface.current_x = 1;
  f.surface.current_y = 1;
  SkipFailure([&] { f.surface.Print("*"); });
}

}  // namespace gc
