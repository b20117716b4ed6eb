// The canvas against QPainter on a QImage (RGB32, no antialiasing), one
// benchmark per figure kind, over the same pseudo-random streams of
// figures; and, for filled figures, against a bare wmemset of the same
// rows' spans, the floor of what a span rasterizer can cost.
//
//   build/bin/bench_canvas --benchmark_min_time=0.5
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <random>
#include <vector>

#include "platform/canvas.h"

namespace {

constexpr int kW = 700, kH = 525, kFigures = 4096;

struct Figure {
  float x, y, x2, y2, radius, aspect;
  gc::Colour colour, fill;
};

enum class Kind { Pixels, Lines, Discs, Ellipses, Rings, Boxes, Reads };

// Figures spread over the surface and a little beyond, as the brushes
// place them.
std::vector<Figure> Stream(Kind kind) {
  std::mt19937 gen(12345);
  std::uniform_real_distribution<float> u(0, 1);
  std::vector<Figure> v(kFigures);
  for (Figure& f : v) {
    f.x = u(gen) * (kW + 40) - 20;
    f.y = u(gen) * (kH + 40) - 20;
    f.colour = static_cast<gc::Colour>(gen() & 0xFFFFFF);
    f.fill = static_cast<gc::Colour>(gen() & 0xFFFFFF);
    f.aspect = 1;
    switch (kind) {
      case Kind::Lines: {  // up to 70 pixels long
        const float a = u(gen) * 6.2831853f, len = u(gen) * 70;
        f.x2 = f.x + len * std::cos(a);
        f.y2 = f.y + len * std::sin(a);
        break;
      }
      case Kind::Discs: f.radius = 3 + 22 * u(gen); break;
      case Kind::Ellipses:
        f.radius = 50 * u(gen);
        f.aspect = 0.1f + 2 * u(gen);
        break;
      case Kind::Rings:
        f.radius = 125 * u(gen);
        f.aspect = 0.01f + 5 * u(gen);
        break;
      case Kind::Boxes: f.x2 = f.x + 40, f.y2 = f.y + 40; break;
      default: break;
    }
  }
  return v;
}

void Ours(benchmark::State& state, Kind kind) {
  const std::vector<Figure> figures = Stream(kind);
  gc::Canvas c(kW, kH);
  c.fill_style = kind == Kind::Rings ? gc::FillStyle::Transparent : gc::FillStyle::Solid;
  std::int64_t sum = 0;
  for (auto _ : state) {
    for (const Figure& f : figures) {
      switch (kind) {
        case Kind::Pixels: c.PSet(f.x, f.y, f.colour); break;
        case Kind::Reads: sum += c.Point(f.x, f.y); break;
        case Kind::Lines: c.Line(f.x, f.y, f.x2, f.y2, f.colour); break;
        case Kind::Boxes:
          c.fill_color = f.fill;
          c.Box(f.x, f.y, f.x2, f.y2, f.colour);
          break;
        default:
          c.fill_color = f.fill;
          c.Circle(f.x, f.y, f.radius, f.colour, f.aspect);
          break;
      }
    }
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kFigures);
}

void Qt(benchmark::State& state, Kind kind) {
  const std::vector<Figure> figures = Stream(kind);
  QImage image(kW, kH, QImage::Format_RGB32);
  image.fill(0);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (kind == Kind::Rings) p.setBrush(Qt::NoBrush);
  auto qcolour = [](gc::Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
  std::int64_t sum = 0;
  for (auto _ : state) {
    for (const Figure& f : figures) {
      switch (kind) {
        case Kind::Pixels:
          p.setPen(qcolour(f.colour));
          p.drawPoint(QPointF(f.x, f.y));
          break;
        case Kind::Reads: {
          const int x = static_cast<int>(std::floor(f.x + 0.5f)), y = static_cast<int>(std::floor(f.y + 0.5f));
          sum += image.valid(x, y) ? static_cast<std::int64_t>(image.pixel(x, y)) : -1;
          break;
        }
        case Kind::Lines:
          p.setPen(qcolour(f.colour));
          p.drawLine(QLineF(f.x, f.y, f.x2, f.y2));
          break;
        case Kind::Boxes:
          p.setPen(qcolour(f.colour));
          p.setBrush(qcolour(f.fill));
          p.drawRect(QRectF(f.x, f.y, 40, 40));
          break;
        default: {
          const double rx = f.aspect <= 1 ? f.radius : f.radius / f.aspect;
          const double ry = f.aspect <= 1 ? f.radius * f.aspect : f.radius;
          p.setPen(qcolour(f.colour));
          if (kind != Kind::Rings) p.setBrush(qcolour(f.fill));
          p.drawEllipse(QPointF(f.x, f.y), rx, ry);
          break;
        }
      }
    }
  }
  benchmark::DoNotOptimize(sum);
  benchmark::DoNotOptimize(image.constBits());
  state.SetItemsProcessed(state.iterations() * kFigures);
}

// The rows of each figure's pixel set as spans clipped to the surface, then
// written with wmemset and nothing else.
struct Span {
  int y, l, n;
  std::uint32_t colour;
};

std::vector<Span> SpansOf(Kind kind) {
  std::vector<Span> spans;
  for (const Figure& f : Stream(kind)) {
    double cx = f.x, cy = f.y, rx = 20, ry = 20;
    if (kind != Kind::Boxes) {
      rx = f.aspect <= 1 ? f.radius : f.radius / f.aspect;
      ry = f.aspect <= 1 ? f.radius * f.aspect : f.radius;
    }
    const int top = static_cast<int>(std::ceil(cy - ry)), bottom = static_cast<int>(std::floor(cy + ry));
    for (int y = std::max(top, 0); y <= std::min(bottom, kH - 1); ++y) {
      double l, r;
      if (kind == Kind::Boxes) {
        l = std::floor(f.x + 0.5), r = l + 40;
      } else {
        const double q = (y - cy) / ry, t = 1 - q * q;
        const double half = t > 0 ? rx * std::sqrt(t) : 0;
        l = std::ceil(cx - half), r = std::floor(cx + half);
      }
      l = std::max(l, 0.0), r = std::min(r, kW - 1.0);
      if (l <= r)
        spans.push_back({y, static_cast<int>(l), static_cast<int>(r - l + 1),
                         static_cast<std::uint32_t>(f.fill)});
    }
  }
  return spans;
}

void BareFill(benchmark::State& state, Kind kind) {
  const std::vector<Span> spans = SpansOf(kind);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(kW) * kH);
  for (auto _ : state) {
    for (const Span& s : spans)
      std::wmemset(reinterpret_cast<wchar_t*>(pixels.data() + static_cast<size_t>(s.y) * kW + s.l),
                   static_cast<wchar_t>(s.colour), static_cast<size_t>(s.n));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kFigures);
}

#define FIGURE(name, kind)                                   \
  BENCHMARK_CAPTURE(Ours, name, kind)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(Qt, name, kind)->Unit(benchmark::kMicrosecond)

FIGURE(pixels, Kind::Pixels);
FIGURE(lines_70, Kind::Lines);
FIGURE(discs_3_25, Kind::Discs);
FIGURE(ellipses_50, Kind::Ellipses);
FIGURE(rings_125, Kind::Rings);
FIGURE(boxes_40, Kind::Boxes);
FIGURE(reads, Kind::Reads);
BENCHMARK_CAPTURE(BareFill, discs_3_25, Kind::Discs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareFill, ellipses_50, Kind::Ellipses)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareFill, boxes_40, Kind::Boxes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
