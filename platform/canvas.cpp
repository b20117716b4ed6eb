#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/text.h"

namespace gc {

namespace {

// The radii of a circle of `radius` with `aspect` = vertical / horizontal:
// up to 1 the radius is the horizontal one, above 1 the vertical one.
bool Radii(double radius, double aspect, double& rx, double& ry) {
  if (!std::isfinite(radius) || !std::isfinite(aspect) || radius < 0 || !(aspect > 0)) return false;
  if (aspect <= 1) {
    rx = radius;
    ry = radius * aspect;
  } else {
    ry = radius;
    rx = radius / aspect;
  }
  return true;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

void Canvas::SetBackColor(Colour c) {
  back_ = c;
  Cls();
}

void Canvas::Cls() { std::fill(pixels_.begin(), pixels_.end(), Pixel(back_)); }

void Canvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  painter().Line(x1, y1, x2, y2, Pixel(c));
}

void Canvas::Box(float x1, float y1, float x2, float y2, Colour c) {
  const std::optional<std::uint32_t> fill =
      fill_style == FillStyle::Solid ? std::optional(Pixel(fill_color)) : std::nullopt;
  painter().Box(x1, y1, x2, y2, Pixel(c), fill);
}

void Canvas::Circle(float x, float y, float radius, Colour c, float aspect) {
  double rx, ry;
  if (!Radii(radius, aspect, rx, ry)) return;
  const std::optional<std::uint32_t> fill =
      fill_style == FillStyle::Solid ? std::optional(Pixel(fill_color)) : std::nullopt;
  painter().Ellipse(x, y, rx, ry, Pixel(c), fill);
}

void Canvas::Arc(float x, float y, float radius, Colour c, float start, float end, float aspect) {
  double rx, ry;
  if (!Radii(radius, aspect, rx, ry)) return;
  painter().EllipseArc(x, y, rx, ry, start, end, Pixel(c));
}

void Canvas::Print(std::string_view text) {
  std::int64_t left, top;
  if (PixelOf(current_x, left) && PixelOf(current_y, top))
    DrawText(painter(), left, top, font_size, text, Pixel(fore_color));
  current_x = 0;
  current_y = static_cast<float>(static_cast<double>(current_y) + MetricsFor(font_size).height);
}

}  // namespace gc
