// The finishing passes that run after the raster scan: the colour read-back,
// the ornaments and the greeting caption.
#pragma once

#include <string_view>

#include "app/form1.h"

namespace gc {

// Reads 100 bright colours of the finished Picture1 into `samples`.
void ReadBackPass(Form1& f);
// Splits `col` into `re`, `gr`, `bl`; leaves `col` less its red part.
void SplitColour(Form1& f);
// Scatters 100 shaded ornaments over an upright triangle on Picture1.
void DrawOrnaments(Form1& f);
// One ornament around (`i`, `j`) in the colour of a random sample row.
void OrnamentCircle(Form1& f);
// Prints the name and the greeting on Picture1, and the mark on the window.
void PrintGreeting(Form1& f);

// Attempts the read-back pass makes for one sample before it gives up on a
// picture too dark to sample; the row is then filled with white.
inline constexpr int kReadBackAttempts = 10000;

// Whether an ornament centre (i, j) lies in the triangle with its apex at
// (axis, top) whose sides widen by one pixel every four rows down. A point on
// a slanted side counts as inside.
bool OrnamentCentreAccepted(double i, double j, double axis, double top);

// The fixed text that follows the viewer's name on the caption line.
inline constexpr std::string_view kGreetingText =
    ", I wish you a happy new year 2011      www.example.org";

}  // namespace gc
