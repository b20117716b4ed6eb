// Text on a surface: the embedded DejaVu Sans face, rendered by FreeType in
// monochrome, so every painted pixel is exactly the text colour and the
// pixels around the glyphs are left alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/painter.h"

namespace gc {

// Whole-pixel line metrics of a font size (points at 96 dpi: 12 points are
// 16 pixels).
struct LineMetrics {
  int ascent = 0;  // from the top of the line to the baseline
  int height = 0;  // from one line to the next
};
LineMetrics MetricsFor(double points);

// Sizes are clamped to this range; a non-finite size counts as the smallest.
inline constexpr double kMinPoints = 1.0, kMaxPoints = 500.0;

// Draws one line of UTF-8 text with the top-left of the line at pixel
// (left, top), in `colour`, clipped at the surface's edges and never
// wrapped. Invalid UTF-8 shows as U+FFFD; control characters draw nothing.
// Glyphs advance by whole pixels, so moving the start moves every glyph
// pixel by the same amount. Thread-safe.
void DrawText(const Painter& painter, std::int64_t left, std::int64_t top, double points,
              std::string_view utf8, std::uint32_t colour);

// UTF-8 to code points; each invalid or truncated sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

}  // namespace gc
