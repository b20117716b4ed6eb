// Shared by the greetcard-render tests: the picture the window's flow makes
// for a name, decoding of written cards, and names that cover brush modes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/flow.h"
#include "cli/card.h"
#include "platform/bmp.h"

namespace gc::cli::testing {

// Remembers folders and files instead of touching the disk.
class MemoryFiles final : public Files {
 public:
  FileResult CreateFolder(const std::string&) override { return {}; }
  FileResult WriteFileAtomically(const std::string&, const std::vector<std::uint8_t>&) override { return {}; }
};

// Calls `on_yield` at every per-row yield of the scan.
class YieldHook final : public EventPump {
 public:
  std::function<void()> on_yield;
  void DoEvents() override {
    if (on_yield) on_yield();
  }
};

// A window started the way the desktop program starts, with the viewer
// typing `name`; the clock reads an arbitrary moment, since it must not
// matter for pixels.
struct FlowWindow {
  explicit FlowWindow(const std::string& name) : prompt({name}) {}
  ScriptedPrompt prompt;
  FixedClock clock{"11-16-2010", "08:48:21", 31701.0f};
  YieldHook events;
  MemoryFiles files;
  Form1 form{Services{clock, events, prompt, files, "/nonexistent/"}};
};

inline std::vector<std::uint32_t> Pixels(const Canvas& c) {
  return {c.pixels(), c.pixels() + static_cast<std::size_t>(c.width()) * c.height()};
}

// Picture1 after start-up, from fresh state.
inline std::vector<std::uint32_t> FlowPicture(const std::string& name) {
  auto w = std::make_unique<FlowWindow>(name);
  Form_Load(w->form);
  return Pixels(w->form.Picture1);
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Packed colours of a written BMP or PNG, row-major; empty if unreadable or
// not 700 x 525.
inline std::vector<std::uint32_t> DecodeCard(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> out;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    const auto d = DecodeBmp(bytes);
    if (!d || d->width != 700 || d->height != 525) return out;
    for (const Colour c : d->pixels) out.push_back(static_cast<std::uint32_t>(c));
    return out;
  }
  const QImage img = QImage::fromData(
      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), "PNG");
  if (img.isNull() || img.width() != 700 || img.height() != 525 || img.hasAlphaChannel()) return out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      out.push_back(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
    }
  return out;
}

// The first `count` names of "a", "b", ..., "aa", ... whose pictures have
// pairwise different brush modes.
inline std::vector<std::string> NamesWithDifferentBrushes(std::size_t count) {
  std::vector<std::string> names;
  std::set<double> modes;
  for (int k = 1; names.size() < count && k < 20000; ++k) {
    std::string name;
    for (int v = k; v > 0; v = (v - 1) / 26) name.insert(name.begin(), static_cast<char>('a' + (v - 1) % 26));
    if (modes.insert(DrawCardInfo(name).nac).second) names.push_back(name);
  }
  return names;
}

}  // namespace gc::cli::testing
