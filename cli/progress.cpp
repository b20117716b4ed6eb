#include "cli/progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace gc::cli {
namespace {

int TerminalWidth(std::FILE* out) {
  winsize ws{};
  if (::ioctl(::fileno(out), TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0) return ws.ws_col;
  return 80;
}

std::string Duration(double seconds) {
  const long s = std::lround(seconds);
  char buf[32];
  if (s >= 3600)
    std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  else
    std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
  return buf;
}

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, std::size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled) {}

std::string ProgressBar::Line(std::size_t done, std::size_t total, double seconds, int width) {
  char counts[96];
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  std::string left = "--:--";
  if (done == total) left = "0:00";
  else if (rate > 0) left = Duration(static_cast<double>(total - done) / rate);
  std::snprintf(counts, sizeof counts, " %zu/%zu  %.1f cards/s  %s left", done, total, rate, left.c_str());
  // The bar takes what the numbers leave of the line, within reason.
  const int bar = std::clamp(width - 1 - 2 - static_cast<int>(std::string(counts).size()), 0, 40);
  std::string line;
  if (bar >= 10) {
    const auto filled = total ? static_cast<int>(static_cast<double>(bar) * done / total) : bar;
    line = "[" + std::string(filled, '#') + std::string(bar - filled, '.') + "]";
  }
  line += counts;
  if (static_cast<int>(line.size()) > width - 1) line.resize(std::max(width - 1, 0));
  return line;
}

void ProgressBar::Show(std::size_t done) {
  if (!enabled_) return;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  std::fprintf(out_, "\r%s\x1b[K", Line(done, total_, seconds, TerminalWidth(out_)).c_str());
  std::fflush(out_);
  shown_ = true;
}

void ProgressBar::Finish() {
  if (!shown_) return;
  std::fprintf(out_, "\r\x1b[K");
  std::fflush(out_);
  shown_ = false;
}

}  // namespace gc::cli
