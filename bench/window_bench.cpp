// One picture made in the window versus the same picture made headless.
// The window's cost is the per-row yield: event handling every row and a
// repaint at most every ~16 ms. Run under a real X server for real numbers
// (xvfb-run build/bin/bench_window); without DISPLAY it uses Qt's offscreen
// platform. Prints window/headless at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "app/flow.h"
#include "app/main_window.h"
#include "app/qt_event_pump.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/prompt.h"

namespace gc {
namespace {

// Always answers the same name.
class SameName final : public Prompt {
 public:
  std::string Ask(const std::string&, int, int) override { return "ana"; }
  void ShowMessage(const std::string&) override {}
};

struct Host {
  FixedClock clock;
  SameName prompt;
  DiskFiles files;
};

void BM_PictureHeadless(benchmark::State& state) {
  Host h;
  NoEvents events;
  auto f = std::make_unique<Form1>(Services{h.clock, events, h.prompt, h.files, "/nonexistent/"});
  Form_Load(*f);
  for (auto _ : state) Command5_Click(*f);
}
BENCHMARK(BM_PictureHeadless)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_PictureWindow(benchmark::State& state) {
  Host h;
  QtEventPump events;
  auto f = std::make_unique<Form1>(Services{h.clock, events, h.prompt, h.files, "/nonexistent/"});
  MainWindow window(*f);
  events.Attach(f.get(), [&window] { window.RepaintNow(); });
  window.show();
  if (window.Start()) state.SkipWithError("start-up ended the program");
  for (auto _ : state) {
    if (window.Run(&Command5_Click)) state.SkipWithError("the picture ended the program");
  }
}
BENCHMARK(BM_PictureWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// One throttled repaint of the whole window (both canvases converted and
// drawn, then flushed); a picture pays this about every 16 ms.
void BM_Repaint(benchmark::State& state) {
  Host h;
  QtEventPump events;
  auto f = std::make_unique<Form1>(Services{h.clock, events, h.prompt, h.files, "/nonexistent/"});
  MainWindow window(*f);
  window.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    window.RepaintNow();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMicrosecond);

// Console output plus the ratio of the two.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0)
        ms_[r.run_name.function_name] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto a = ms_.find("BM_PictureWindow"), b = ms_.find("BM_PictureHeadless");
    if (a != ms_.end() && b != ms_.end() && b->second > 0)
      std::printf("window/headless: %.3f (window %.3f ms, headless %.3f ms, platform %s)\n",
                  a->second / b->second, a->second, b->second,
                  QGuiApplication::platformName().toUtf8().constData());
  }

 private:
  std::map<std::string, double> ms_;
};

}  // namespace
}  // namespace gc

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("greetcard");
  benchmark::Initialize(&argc, argv);
  gc::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
