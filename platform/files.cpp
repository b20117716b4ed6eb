#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gc {
namespace {

FileResult Errno(int err) { return {err, std::strerror(err)}; }

}  // namespace

FileResult DiskFiles::CreateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0) return Errno(errno);
  return {};
}

FileResult DiskFiles::WriteFileAtomically(const std::string& path,
                                          const std::vector<std::uint8_t>& bytes) {
  // Write a temporary file beside the target, flush it to disk, then rename
  // it over the target: readers see the old file or the whole new one.
  std::string tmp = path + ".XXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) return Errno(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      ::unlink(tmp.c_str());
      return Errno(err);
    }
    done += static_cast<size_t>(w);
  }
  if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    return Errno(err);
  }
  if (::close(fd) != 0 || ::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return Errno(err);
  }
  return {};
}

}  // namespace gc
