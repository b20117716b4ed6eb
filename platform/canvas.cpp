// Placeholder rasterizer: pixels, background and reads only.
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace gc {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

void Canvas::SetBackColor(Colour c) {
  back_ = c;
  Cls();
}
void Canvas::Cls() { std::fill(pixels_.begin(), pixels_.end(), static_cast<std::uint32_t>(back_)); }

void Canvas::PSet(float x, float y, Colour c) {
  const float px = std::floor(x + 0.5f), py = std::floor(y + 0.5f);
  if (!(px >= 0 && px < width_ && py >= 0 && py < height_)) return;
  pixels_[static_cast<size_t>(py) * width_ + static_cast<size_t>(px)] = static_cast<std::uint32_t>(c);
}
Colour Canvas::Point(float x, float y) const {
  const float px = std::floor(x + 0.5f), py = std::floor(y + 0.5f);
  if (!(px >= 0 && px < width_ && py >= 0 && py < height_)) return -1;
  return static_cast<Colour>(pixels_[static_cast<size_t>(py) * width_ + static_cast<size_t>(px)]);
}
void Canvas::Line(float, float, float, float, Colour) {}
void Canvas::Box(float, float, float, float, Colour) {}
void Canvas::Circle(float, float, float, Colour, float) {}
void Canvas::Arc(float, float, float, Colour, float, float, float) {}
void Canvas::Print(std::string_view) {}

}  // namespace gc
