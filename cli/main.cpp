// greetcard-render: greeting cards from the command line, without a display.
//
//   greetcard-render NAME -o FILE
//   greetcard-render --names FILE -d DIR [-j N] [--format bmp|png]
//   greetcard-render --info NAME
//
// Exit status: 0 done, 1 bad input or a file that could not be read or
// written, 2 usage error, 130 interrupted.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>
#include <unordered_map>

#include "cli/batch.h"
#include "cli/card.h"
#include "cli/file_names.h"
#include "cli/names_file.h"
#include "cli/progress.h"
#include "platform/files.h"

namespace {

using namespace gc::cli;

constexpr int kBadInput = 1, kUsage = 2, kInterrupted = 130;

// Raised by SIGINT and SIGTERM; the work in hand is finished, nothing new
// starts, so no file is left half written and no temporary file remains.
std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnSignal(int) { g_stop = true; }

void CatchSignals() {
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

void Error(const std::string& message) { std::fprintf(stderr, "greetcard-render: %s\n", message.c_str()); }

struct Options {
  std::string name, output, names_file, dir, format;
  unsigned jobs = 0;
  bool info = false, quiet = false, skip_existing = false;
};

int RenderOne(const Options& o) {
  const auto format = FormatOfPath(o.output);
  const gc::NameCheck check = gc::CheckName(o.name);
  if (!check.ok) {
    Error("invalid name " + Quote(o.name) + ": " + DescribeProblem(check));
    return kBadInput;
  }
  CatchSignals();
  const auto bytes = EncodeCard(RenderCard(o.name), *format);
  if (g_stop) return kInterrupted;
  gc::DiskFiles files;
  const gc::FileResult r = files.WriteFileAtomically(o.output, bytes);
  if (!r.ok()) {
    Error("cannot write " + o.output + ": " + r.description);
    return kBadInput;
  }
  return 0;
}

int PrintInfo(const Options& o) {
  const gc::NameCheck check = gc::CheckName(o.name);
  if (!check.ok) {
    Error("invalid name " + Quote(o.name) + ": " + DescribeProblem(check));
    return kBadInput;
  }
  std::printf("%s\n", InfoJson(DrawCardInfo(o.name)).c_str());
  return 0;
}

int RenderList(const Options& o) {
  namespace fs = std::filesystem;
  const Format format = o.format.empty() ? Format::Bmp : *FormatNamed(o.format);
  const bool chatty = !o.quiet && ::isatty(STDERR_FILENO);

  // Read the whole list first (names only, never pictures): the progress
  // bar needs the total, and the problems are listed at the end.
  std::ifstream file;
  std::istream* in = &std::cin;
  if (o.names_file != "-") {
    file.open(o.names_file, std::ios::binary);
    if (!file) {
      Error("cannot read " + o.names_file + ": " + std::strerror(errno));
      return kBadInput;
    }
    std::error_code ec;
    if (fs::is_directory(o.names_file, ec)) {
      Error("cannot read " + o.names_file + ": " + std::strerror(EISDIR));
      return kBadInput;
    }
    in = &file;
  }
  std::vector<CardJob> jobs;
  std::vector<std::string> invalid, repeated;
  std::unordered_map<std::string, std::size_t> first_line;
  std::size_t existing = 0;
  NamesReader reader(*in);
  for (ListedName entry; reader.Next(entry);) {
    const std::string where = "line " + std::to_string(entry.line) + ": " + Quote(entry.text, entry.cut);
    if (!entry.check.ok) {
      invalid.push_back(where + ": " + DescribeProblem(entry.check));
      continue;
    }
    const auto [seen, fresh] = first_line.emplace(entry.text, entry.line);
    if (!fresh) {
      repeated.push_back(where + " repeats line " + std::to_string(seen->second) + "; rendered once");
      continue;
    }
    std::string path = (fs::path(o.dir) / CardFileName(entry.text, format)).string();
    std::error_code ec;
    if (o.skip_existing && fs::exists(path, ec)) {
      ++existing;
      continue;
    }
    jobs.push_back({entry.text, std::move(path)});
  }
  if (in->bad()) {
    Error("cannot read " + o.names_file + ": read error");
    return kBadInput;
  }

  std::error_code ec;
  fs::create_directories(o.dir, ec);
  if (ec || !fs::is_directory(o.dir)) {
    Error("cannot create the folder " + o.dir + ": " + (ec ? ec.message() : "not a folder"));
    return kBadInput;
  }

  CatchSignals();
  ProgressBar bar(stderr, jobs.size(), chatty);
  const auto start = std::chrono::steady_clock::now();
  const BatchResult result = RunBatch(jobs, format, o.jobs, g_stop, [&](std::size_t done) { bar.Show(done); });
  bar.Finish();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if (!o.quiet)
    for (const auto& r : repeated) std::fprintf(stderr, "note: %s\n", r.c_str());
  if (!invalid.empty()) {
    Error(std::to_string(invalid.size()) + (invalid.size() == 1 ? " invalid name was" : " invalid names were") +
          " not rendered:");
    for (const auto& r : invalid) std::fprintf(stderr, "  %s\n", r.c_str());
  }
  if (!result.failures.empty()) {
    // A full disk fails every card alike: the first few say why.
    constexpr std::size_t kListed = 10;
    Error(std::to_string(result.failures.size()) + (result.failures.size() == 1 ? " card" : " cards") +
          " could not be written:");
    for (std::size_t k = 0; k < std::min(kListed, result.failures.size()); ++k)
      std::fprintf(stderr, "  %s\n", result.failures[k].c_str());
    if (result.failures.size() > kListed)
      std::fprintf(stderr, "  and %zu more\n", result.failures.size() - kListed);
  }
  if (chatty) {
    std::fprintf(stderr, "%zu of %zu cards written to %s in %.1f s (%.1f cards/s)", result.written, jobs.size(),
                 o.dir.c_str(), seconds, seconds > 0 ? static_cast<double>(result.written) / seconds : 0.0);
    if (existing) std::fprintf(stderr, ", %zu already there", existing);
    std::fprintf(stderr, "\n");
  }
  if (result.interrupted) {
    Error("interrupted: " + std::to_string(result.written) + " of " + std::to_string(jobs.size()) +
          " cards written; run again with --skip-existing to make the rest");
    return kInterrupted;
  }
  return !result.failures.empty() || !invalid.empty() ? kBadInput : 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Makes greeting cards from the command line, without a display: the card for a name is "
               "pixel for pixel the picture the window shows for it.",
               "greetcard-render"};
  app.set_version_flag("--version", std::string("greetcard-render ") + GREETCARD_VERSION);
  app.footer(
      "Examples:\n"
      "  greetcard-render \"ana novak\" -o ana.png\n"
      "  greetcard-render --names guests.txt -d cards -j 4 --format png\n"
      "  greetcard-render --info \"ana novak\"\n\n"
      "Exit status: 0 done, 1 invalid names or files that could not be read or written, 2 usage error, "
      "130 interrupted.");

  Options o;
  o.jobs = std::max(1u, std::thread::hardware_concurrency());
  app.add_option("NAME", o.name, "The name (small letters a to z and spaces, at most 100)");
  app.add_option("-o,--output", o.output, "Write the card for NAME to this file (.bmp or .png)");
  app.add_flag("--info", o.info, "Print the parameters of NAME's picture as JSON, without rendering");
  app.add_option("--names", o.names_file, "Make one card for each line of this file (- reads standard input)");
  app.add_option("-d,--dir", o.dir, "Folder for the cards of --names (created if missing)");
  app.add_option("-j,--jobs", o.jobs, "Cards rendered at the same time (default: the number of cores)")
      ->check(CLI::Range(1u, 1024u));
  app.add_option("--format", o.format, "File format of --names cards (default bmp)")
      ->check(CLI::IsMember({"bmp", "png"}, CLI::ignore_case));
  app.add_flag("--skip-existing", o.skip_existing, "Leave out cards whose file already exists");
  app.add_flag("-q,--quiet", o.quiet, "No progress bar, no notes");

  try {
    app.parse(argc, argv);
    const bool has_name = app.count("NAME") > 0;
    const bool batch = app.count("--names") > 0;
    auto only_with = [&](const char* option, bool allowed, const char* mode) {
      if (app.count(option) && !allowed) throw CLI::ValidationError(std::string(option) + " can only be used " + mode);
    };
    only_with("-d", batch, "with --names");
    only_with("-j", batch, "with --names");
    only_with("--format", batch, "with --names (for -o the extension gives the format)");
    only_with("--skip-existing", batch, "with --names");
    if (batch) {
      if (has_name || app.count("-o") || o.info) throw CLI::ValidationError("--names makes cards for a list: give no NAME, -o or --info with it");
      if (o.dir.empty()) throw CLI::ValidationError("--names needs -d DIR, the folder for the cards");
    } else if (o.info) {
      if (!has_name) throw CLI::ValidationError("--info needs a NAME");
      if (app.count("-o")) throw CLI::ValidationError("--info prints the parameters only: give no -o with it");
    } else if (has_name) {
      if (!app.count("-o")) throw CLI::ValidationError("NAME needs -o FILE, the card's file");
      if (!FormatOfPath(o.output)) throw CLI::ValidationError("-o " + o.output + ": the file name must end in .bmp or .png");
    } else {
      throw CLI::ValidationError("nothing to do: give NAME -o FILE, --names FILE -d DIR, or --info NAME");
    }
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : kUsage;
  }

  if (o.info) return PrintInfo(o);
  if (app.count("--names")) return RenderList(o);
  return RenderOne(o);
}
