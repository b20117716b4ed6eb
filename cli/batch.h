// Renders a list of cards on worker threads and writes each to its file.
// Every worker owns the card it is making; nothing mutable is shared but
// the work counter and the outcome.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cli/file_names.h"

namespace gc::cli {

struct CardJob {
  std::string name;  // a valid name
  std::string path;  // where its card goes
};

struct BatchResult {
  std::size_t written = 0;
  bool interrupted = false;          // `stop` was raised before the end
  std::vector<std::string> failures;  // cards that could not be made or written, and why
};

// Writes the card of each job atomically, `threads` cards at a time. When
// `stop` is raised (e.g. by SIGINT) the workers finish the card in hand and
// take no new one, so only complete files exist afterwards. A card that
// cannot be written leaves no file and the batch goes on with the others.
// `progress(done)` runs on the calling thread, about ten times a second and
// once at the end.
BatchResult RunBatch(const std::vector<CardJob>& jobs, Format format, unsigned threads,
                     const std::atomic<bool>& stop,
                     const std::function<void(std::size_t done)>& progress);

}  // namespace gc::cli
