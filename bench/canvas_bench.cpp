// The canvas against QPainter on a QImage (RGB32, no antialiasing), one
// benchmark per figure kind, over the same pseudo-random streams of
// figures; and, for filled figures, against bare wmemset calls writing the
// same pixels (see Bare below), the floor of what a span rasterizer can cost.
//
//   build/bin/bench_canvas --benchmark_min_time=0.5
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <algorithm>
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

// The floor a span rasterizer is measured against: the pixels each figure
// paints, taken from the canvas itself (each figure drawn alone), written
// again with wmemset and nothing else. Two ways:
//   BareFill: each row's whole span in one colour, one call per row;
//   BareRuns: each row's runs of one colour (outline, inside, outline) in
//             their own colours, one call per run - the same writes the
//             figure makes, without deciding any of them.
struct Run {
  int y, l, n;
  std::uint32_t colour;
};

std::vector<Run> RunsOf(Kind kind, bool whole_rows) {
  constexpr std::uint32_t kUnpainted = 0xFF000000u;  // no colour has a top byte
  gc::Canvas c(kW, kH);
  std::fill(c.pixels(), c.pixels() + kW * kH, kUnpainted);
  std::vector<Run> runs;
  for (const Figure& f : Stream(kind)) {
    c.fill_color = f.fill;
    if (kind == Kind::Boxes) c.Box(f.x, f.y, f.x2, f.y2, f.colour);
    else c.Circle(f.x, f.y, f.radius, f.colour, f.aspect);
    for (int y = 0; y < kH; ++y) {
      std::uint32_t* row = c.pixels() + static_cast<size_t>(y) * kW;
      for (int x = 0; x < kW;) {
        if (row[x] == kUnpainted) { ++x; continue; }
        int e = x + 1;
        while (e < kW && row[e] != kUnpainted && (whole_rows || row[e] == row[x])) ++e;
        runs.push_back({y, x, e - x, whole_rows ? static_cast<std::uint32_t>(f.fill) : row[x]});
        std::fill(row + x, row + e, kUnpainted);
        x = e;
      }
    }
  }
  return runs;
}

void Bare(benchmark::State& state, Kind kind, bool whole_rows) {
  const std::vector<Run> runs = RunsOf(kind, whole_rows);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(kW) * kH);
  for (auto _ : state) {
    for (const Run& s : runs)
      std::wmemset(reinterpret_cast<wchar_t*>(pixels.data() + static_cast<size_t>(s.y) * kW + s.l),
                   static_cast<wchar_t>(s.colour), static_cast<size_t>(s.n));
    benchmark::ClobberMemory();
  }
  state.counters["calls"] = static_cast<double>(runs.size());
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
#define BARE(name, kind)                                                                  \
  BENCHMARK_CAPTURE(Bare, fill_##name, kind, true)->Unit(benchmark::kMicrosecond);  \
  BENCHMARK_CAPTURE(Bare, runs_##name, kind, false)->Unit(benchmark::kMicrosecond)

BARE(discs_3_25, Kind::Discs);
BARE(ellipses_50, Kind::Ellipses);
BARE(boxes_40, Kind::Boxes);

}  // namespace

BENCHMARK_MAIN();
