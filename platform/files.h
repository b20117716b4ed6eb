// Folder and file operations used by start-up and the save.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gc {

// The outcome of a file-system operation: number 0 means success; otherwise
// the error number and its description (the C library's errno and text).
struct FileResult {
  int number = 0;
  std::string description;
  bool ok() const { return number == 0; }
};

class Files {
 public:
  virtual ~Files() = default;
  // Creates one folder; fails if it exists or cannot be created.
  virtual FileResult CreateFolder(const std::string& path) = 0;
  // Creates or replaces `path` with `bytes`, atomically: on failure the
  // previous file, if any, is untouched and no partial file is left.
  virtual FileResult WriteFileAtomically(const std::string& path,
                                         const std::vector<std::uint8_t>& bytes) = 0;
};

// Writes nothing and reports success: for headless cards and tests, which
// never save through the picture flow.
class NullFiles final : public Files {
 public:
  FileResult CreateFolder(const std::string&) override { return {}; }
  FileResult WriteFileAtomically(const std::string&, const std::vector<std::uint8_t>&) override {
    return {};
  }
};

// The real file system (POSIX).
class DiskFiles final : public Files {
 public:
  FileResult CreateFolder(const std::string& path) override;
  FileResult WriteFileAtomically(const std::string& path,
                                 const std::vector<std::uint8_t>& bytes) override;
};

}  // namespace gc
