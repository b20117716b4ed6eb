// A one-line progress bar on a terminal: cards done, cards per second and
// the time left.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>

namespace gc::cli {

class ProgressBar {
 public:
  // Draws on `out` only when `enabled` (the caller decides: a terminal, and
  // not asked to be quiet).
  ProgressBar(std::FILE* out, std::size_t total, bool enabled);
  void Show(std::size_t done);
  // Clears the bar, so that messages after it start on a clean line.
  void Finish();

  // The bar's text for `done` cards after `seconds`, at most `width` columns.
  static std::string Line(std::size_t done, std::size_t total, double seconds, int width);

 private:
  std::FILE* out_;
  std::size_t total_;
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace gc::cli
