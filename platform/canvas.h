// A drawing surface: a 32-bit pixel buffer with the drawing operations the
// pictures use. The rasterizer is our own (platform/painter.h), so that every
// machine paints the same pixels and the heaviest pictures stay fast.
//
// Pixels hold packed colours (red + 256 * green + 65536 * blue, top byte 0;
// a colour's top byte is dropped when it is drawn, so Point() never confuses
// a pixel with "outside").
// Coordinates arrive in single precision and may be fractional, negative,
// huge or not finite; a real coordinate c addresses pixel floor(c + 0.5).
// Whatever falls outside the surface is clipped; a non-finite coordinate
// paints nothing; no input is an error.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/numbers.h"
#include "platform/painter.h"
#include "platform/surface.h"

namespace gc {

enum class FillStyle { Solid = 0, Transparent = 1 };

class Canvas {
 public:
  // Negative sizes count as 0.
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Setting the background colour erases the whole surface to it.
  void SetBackColor(Colour c);
  Colour BackColor() const { return back_; }
  // Erases the surface to its background colour.
  void Cls();

  // One pixel.
  void PSet(float x, float y, Colour c) {
    std::int64_t px, py;
    if (PixelOf(x, px) && PixelOf(y, py) && Inside(px, py))
      pixels_[static_cast<std::size_t>(py) * width_ + static_cast<std::size_t>(px)] = Pixel(c);
  }
  // Packed colour of a pixel, or -1 outside the surface (or for a
  // non-finite coordinate).
  Colour Point(float x, float y) const {
    std::int64_t px, py;
    if (!PixelOf(x, px) || !PixelOf(y, py) || !Inside(px, py)) return -1;
    return static_cast<Colour>(
        pixels_[static_cast<std::size_t>(py) * width_ + static_cast<std::size_t>(px)]);
  }

  // A straight one-pixel line; the last point is not painted. A line whose
  // end pixels coincide (zero length included) paints nothing. See
  // Painter::Line for the pixels chosen.
  void Line(float x1, float y1, float x2, float y2, Colour c);
  // The rectangle with opposite corners (x1, y1) and (x2, y2), in any
  // order, outlined in c and, when the fill style is solid, filled with the
  // fill colour. Equal corners paint one pixel; corners in one row or
  // column paint a line, both ends included.
  void Box(float x1, float y1, float x2, float y2, Colour c);

  // A circle, or an ellipse whose vertical radius over horizontal radius is
  // `aspect` (up to 1 `radius` is the horizontal one, above 1 the vertical
  // one), outlined in c and filled with the fill colour when the fill style
  // is solid. The pixel set is the pixels whose centres lie inside the
  // ellipse (thin ones keep one pixel per row; see Painter::Ellipse); the
  // outline is its pixels with a 4-neighbour outside it. A radius below 0.5
  // paints the centre pixel; a negative or non-finite radius or aspect, or
  // aspect 0, paints nothing.
  void Circle(float x, float y, float radius, Colour c, float aspect = 1.0f);
  // The outline of the same ellipse between two angles in radians,
  // counter-clockwise from the positive x axis (y up on the screen); never
  // filled. Equal angles (after reduction to one turn), or angles a whole
  // turn or more apart, give the complete outline. Negative angles count by
  // their magnitude.
  void Arc(float x, float y, float radius, Colour c, float start, float end,
           float aspect = 1.0f);

  // Surface properties, kept until changed.
  FillStyle fill_style = FillStyle::Solid;
  Colour fill_color = 0;
  Colour fore_color = 0;
  float font_size = 8.25f;  // points; 12 points is 16 pixels on this 96-dpi surface
  float current_x = 0, current_y = 0;

  // Prints UTF-8 text with its top-left at (current_x, current_y) in the
  // fore colour, painting only the glyphs' pixels (monochrome, no
  // smoothing), clipped at the edges and never wrapped, then moves to the
  // start of the next line: current_x = 0, current_y + one line height.
  // Invalid UTF-8 prints as U+FFFD; control characters print nothing.
  void Print(std::string_view text);

  // Raw access, row-major with stride width().
  const std::uint32_t* pixels() const { return pixels_.data(); }
  std::uint32_t* pixels() { return pixels_.data(); }
  Surface surface() { return Surface{pixels_.data(), width_, height_, width_}; }
  Painter painter() { return Painter(surface()); }

 private:
  static std::uint32_t Pixel(Colour c) { return static_cast<std::uint32_t>(c) & 0xFFFFFFu; }
  bool Inside(std::int64_t x, std::int64_t y) const {
    return x >= 0 && x < width_ && y >= 0 && y < height_;
  }

  int width_, height_;
  Colour back_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace gc
