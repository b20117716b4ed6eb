#include "cli/batch.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "cli/card.h"
#include "platform/files.h"

namespace gc::cli {

BatchResult RunBatch(const std::vector<CardJob>& jobs, Format format, unsigned threads,
                     const std::atomic<bool>& stop,
                     const std::function<void(std::size_t done)>& progress) {
  std::atomic<std::size_t> next{0}, done{0};
  std::mutex mutex;
  std::condition_variable finished_cv;
  unsigned running = 0;
  std::vector<std::string> failures;

  auto work = [&] {
    DiskFiles files;
    for (;;) {
      if (stop.load()) break;
      const std::size_t k = next.fetch_add(1);
      if (k >= jobs.size()) break;
      std::string why;
      try {
        const FileResult r = files.WriteFileAtomically(jobs[k].path, EncodeCard(RenderCard(jobs[k].name), format));
        if (!r.ok()) why = "cannot write " + jobs[k].path + ": " + r.description;
      } catch (const std::exception& e) {
        why = "cannot make the card for \"" + jobs[k].name + "\": " + e.what();
      }
      if (!why.empty()) {
        std::lock_guard lock(mutex);
        failures.push_back(std::move(why));
      } else {
        ++done;
      }
    }
    std::lock_guard lock(mutex);
    if (--running == 0) finished_cv.notify_all();
  };

  threads = std::max(1u, std::min<unsigned>(threads, static_cast<unsigned>(std::max<std::size_t>(jobs.size(), 1))));
  std::vector<std::thread> workers;
  running = threads;
  for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work);
  {
    std::unique_lock lock(mutex);
    while (!finished_cv.wait_for(lock, std::chrono::milliseconds(100), [&] { return running == 0; })) {
      lock.unlock();
      progress(done.load());
      lock.lock();
    }
  }
  for (auto& w : workers) w.join();
  progress(done.load());

  BatchResult result;
  result.written = done.load();
  result.failures = std::move(failures);
  result.interrupted = stop.load() && result.written + result.failures.size() < jobs.size();
  return result;
}

}  // namespace gc::cli
