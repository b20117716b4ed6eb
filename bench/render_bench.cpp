// Renders one picture per brush mode, headless and from fresh state, and
// prints the time of the raster scan (RenderField) for each.
//
//   render_bench [repetitions [NAME...]]  best of N scans per name (default 3),
//                                for the fixed names or the given ones
//   render_bench --no-figures [repetitions [NAME...]]  the same with a
//                                canvas of no pixels: every stage runs and
//                                every draw is taken, but each figure is
//                                clipped away at once (the per-pixel stages
//                                without the drawing)
//   render_bench --find-names    lists the first lowercase name for each mode
//   render_bench --bmp DIR NAME...  writes the complete picture of each name
//                                   (start-up with that name) as DIR/NAME.bmp
#include <algorithm>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/flow.h"
#include "platform/bmp.h"
#include <fstream>
#include "params/params.h"
#include "render/render.h"

namespace gc {
namespace {

// A fresh window with the geometry start-up sets, its generator seeded from
// `name` and the picture's parameters drawn, ready for the scan.
struct Window {
  explicit Window(const std::string& name)
      : prompt({name}), f(Services{clock, events, prompt, files, ""}) {
    Prepare(name);
  }
  // Seeding resets the generator, and the ramp and the parameter draw
  // overwrite what they set, so one window serves any number of names.
  void Prepare(const std::string& name) {
    prompt = ScriptedPrompt({name});
    SetGeometry(f.st);
    SeedFromName(f);
    BuildRamp(f);
    f.Picture1.fill_style = FillStyle::Solid;
    DrawParameters(f);
    for (int k = 0; k < 3; ++k) f.rnd.Draw();
  }
  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  NullFiles files;
  Form1 f;
};

// The brush mode a name's picture gets: the draws RenderField takes first.
int BrushModeOf(Window& w, const std::string& name, double* tip1) {
  w.Prepare(name);
  *tip1 = w.f.st.tip1;
  w.f.rnd.Draw();  // rr
  return static_cast<int>(Sng(BrushModeFrom(w.f.rnd.Draw())).v);
}

// The first name for each brush mode 1 to 18, and the first name in brush
// mode 1 for each pattern 1 to 15, as printed by --find-names, which tries
// a, b, ..., z, aa, ab, ... in that order.
constexpr const char* kModeNames[18] = {
    "e", "ah", "c", "l", "u", "au", "an", "b", "ac", "h", "x", "k", "d", "a", "i", "t", "f", "y",
};
constexpr const char* kPatternNames[15] = {
    "aahzzz", "o",     "aaajz", "aaanz", "af", "aapz",    "ayzzz", "aafzz",
    "e",      "ezz",   "dzzz",  "aaaap", "avz", "aaaaasz", "aagz",
};

// The seed depends only on a name's length and the sum of its letter codes,
// so the search runs over those, shortest first, taking for each the
// smallest name in dictionary order: 'a's, one letter, then 'z's.
std::string NameOf(int length, int extra) {
  std::string s(length, 'a');
  for (int k = length - 1; k >= 0 && extra > 0; --k) {
    const int step = std::min(extra, 25);
    s[k] = static_cast<char>('a' + step);
    extra -= step;
  }
  return s;
}

int FindNames() {
  std::string by_mode[19], by_pattern[16];
  int left = 18 + 15;
  Window w("");
  for (int length = 1; left > 0 && length <= 100; ++length) {
    for (int extra = 0; left > 0 && extra <= 25 * length; ++extra) {
      const std::string name = NameOf(length, extra);
      double tip1 = 0;
      const int mode = BrushModeOf(w, name, &tip1);
      const int pattern = static_cast<int>(tip1);
      if (by_mode[mode].empty()) {
        by_mode[mode] = name;
        --left;
      }
      if (mode == 1 && by_pattern[pattern].empty()) {
        by_pattern[pattern] = name;
        --left;
      }
    }
  }
  std::printf("by brush mode 1 to 18:");
  for (int m = 1; m <= 18; ++m) std::printf(" \"%s\"", by_mode[m].c_str());
  std::printf("\nin brush mode 1, by pattern 1 to 15:");
  for (int p = 1; p <= 15; ++p) std::printf(" \"%s\"", by_pattern[p].c_str());
  std::printf("\n");
  return left == 0 ? 0 : 1;
}

// FNV-1a over the picture's pixels and the state the scan leaves, so a
// faster build can show that it paints the same picture.
std::uint64_t Digest(const Form1& f) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  auto mix = [&h](std::uint64_t v) {
    for (int k = 0; k < 8; ++k, v >>= 8) h = (h ^ (v & 0xFF)) * 0x100000001b3ull;
  };
  const Canvas& c = f.Picture1;
  for (int k = 0; k < c.width() * c.height(); ++k) mix(c.pixels()[k]);
  const PictureState& s = f.st;
  for (double v : {s.ret, s.grt, s.blt, s.rr, s.fr, s.barva, s.n, s.ba, s.fi, s.re, s.gr, s.bl})
    mix(__builtin_bit_cast(std::uint64_t, v));
  mix(f.rnd.state());
  mix(static_cast<std::uint64_t>(f.Picture1.fill_color));
  return h;
}

double ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double FiguresPerPixel(int mode) {
  switch (mode) {
    case 9: case 10: case 11: return 20;  // up to 20 in modes 10 and 11
    case 14: case 15: return 3;
    case 18: return 10;
    default: return 1;
  }
}

// Times the scan of one name's picture, best of `repetitions`; returns false
// when the name does not give the expected brush mode and pattern.
bool g_figures = true;

bool TimeOne(const char* name, int repetitions, int want_mode, int want_pattern) {
  double best = 1e30, tip1 = 0, tip2 = 0, tip3 = 0;
  int nac = 0;
  std::uint64_t digest = 0;
  for (int rep = 0; rep < repetitions; ++rep) {
    Window w(name);
    if (!g_figures) w.f.Picture1 = Canvas(0, 0);
    tip1 = w.f.st.tip1;
    tip2 = w.f.st.tip2;
    tip3 = w.f.st.tip3;
    const double t0 = ThreadMilliseconds();
    RenderField(w.f);
    const double t1 = ThreadMilliseconds();
    nac = static_cast<int>(w.f.st.nac);
    digest = Digest(w.f);
    best = std::min(best, t1 - t0);
  }
  const bool as_expected = nac == want_mode && (want_pattern == 0 || tip1 == want_pattern);
  const double figures = 701.0 * 526.0 * FiguresPerPixel(nac);
  std::printf("%-5d %-8s %-8.0f %-6.0f %-6.0f %12.1f %14.3g  %016llx%s\n", nac, name, tip1, tip2, tip3,
              best, figures / (best / 1000), static_cast<unsigned long long>(digest),
              as_expected ? "" : "  (not the expected mode/pattern)");
  return as_expected;
}

int Run(int repetitions) {
  const char* header = "%-5s %-8s %-8s %-6s %-6s %12s %14s  %s\n";
  std::printf("RenderField only (no overlays), best of %d, each picture from fresh state;\n"
              "milliseconds of this thread's CPU time; digest of the pixels and the brush state\n%s\n",
              repetitions,
              g_figures ? "" : "NO FIGURES: a canvas of no pixels, every figure clipped away\n");
  std::printf("One name per brush mode:\n");
  std::printf(header, "mode", "name", "pattern", "shape", "index", "ms/picture", "figures/s", "digest");
  int failures = 0;
  for (int mode = 1; mode <= 18; ++mode)
    failures += !TimeOne(kModeNames[mode - 1], repetitions, mode, 0);
  std::printf("\nBrush mode 1, one name per pattern:\n");
  std::printf(header, "mode", "name", "pattern", "shape", "index", "ms/picture", "figures/s", "digest");
  for (int pattern = 1; pattern <= 15; ++pattern)
    failures += !TimeOne(kPatternNames[pattern - 1], repetitions, 1, pattern);
  return failures == 0 ? 0 : 1;
}

int WriteBmps(const std::string& dir, int count, char** names) {
  for (int k = 0; k < count; ++k) {
    FixedClock clock;
    NoEvents events;
    ScriptedPrompt prompt({names[k]});
    NullFiles files;
    Form1 f(Services{clock, events, prompt, files, ""});
    Form_Load(f);
    const auto bytes = EncodeBmp(f.Picture1);
    std::ofstream out(dir + "/" + names[k] + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::printf("%s: brush mode %.0f, pattern %.0f, shaping %.0f, index %.0f\n", names[k], f.st.nac,
                f.st.tip1, f.st.tip2, f.st.tip3);
    if (!out) return 1;
  }
  return 0;
}

}  // namespace
}  // namespace gc

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--find-names") == 0) return gc::FindNames();
  if (argc > 2 && std::strcmp(argv[1], "--bmp") == 0) return gc::WriteBmps(argv[2], argc - 3, argv + 3);
  if (argc > 1 && std::strcmp(argv[1], "--no-figures") == 0) {
    gc::g_figures = false;
    --argc;
    ++argv;
  }
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  if (argc > 2) {
    for (int k = 2; k < argc; ++k) gc::TimeOne(argv[k], repetitions, 0, 0);
    return 0;
  }
  return gc::Run(repetitions);
}
