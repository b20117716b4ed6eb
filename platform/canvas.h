// A drawing surface: a 32-bit pixel buffer with the drawing operations the
// pictures use. The rasterizer is our own, so that every machine paints the
// same pixels and the heaviest pictures stay fast.
//
// Pixels hold packed colours (red + 256 * green + 65536 * blue, top byte 0).
// Coordinates arrive in single precision and may be fractional, negative,
// huge or not finite; a real coordinate c addresses pixel floor(c + 0.5).
// Whatever falls outside the surface is clipped; no input is an error.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/numbers.h"

namespace gc {

enum class FillStyle { Solid = 0, Transparent = 1 };

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Setting the background colour erases the whole surface to it.
  void SetBackColor(Colour c);
  Colour BackColor() const { return back_; }
  // Erases the surface to its background colour.
  void Cls();

  // One pixel.
  void PSet(float x, float y, Colour c);
  // Packed colour of a pixel, or -1 outside the surface.
  Colour Point(float x, float y) const;

  // A straight one-pixel line; the last point is not painted. A line of
  // zero length paints nothing.
  void Line(float x1, float y1, float x2, float y2, Colour c);
  // The rectangle with opposite corners (x1, y1) and (x2, y2), in any
  // order, outlined in c and, when the fill style is solid, filled with the
  // fill colour. Equal corners paint one pixel.
  void Box(float x1, float y1, float x2, float y2, Colour c);

  // A circle, or an ellipse whose vertical radius over horizontal radius is
  // `aspect` (below 1 `radius` is the horizontal one, above 1 the vertical
  // one), outlined in c and filled with the fill colour when the fill style
  // is solid. A radius below 0.5 paints the centre pixel; a negative or
  // non-finite radius or aspect, or aspect 0, paints nothing.
  void Circle(float x, float y, float radius, Colour c, float aspect = 1.0f);
  // The outline of the same ellipse between two angles in radians,
  // counter-clockwise from the positive x axis; never filled. Equal angles
  // give the complete outline. Negative angles count by their magnitude.
  void Arc(float x, float y, float radius, Colour c, float start, float end,
           float aspect = 1.0f);

  // Surface properties, kept until changed.
  FillStyle fill_style = FillStyle::Solid;
  Colour fill_color = 0;
  Colour fore_color = 0;
  float font_size = 8.25f;  // points; 12 points is 16 pixels on this 96-dpi surface
  float current_x = 0, current_y = 0;

  // Prints UTF-8 text with its top-left at (current_x, current_y) in the
  // fore colour, painting only the glyphs' pixels, then moves to the start of
  // the next line.
  void Print(std::string_view text);

  // Raw access, row-major with stride width().
  const std::uint32_t* pixels() const { return pixels_.data(); }
  std::uint32_t* pixels() { return pixels_.data(); }

 private:
  int width_, height_;
  Colour back_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace gc
