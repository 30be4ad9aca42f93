#include "AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t const written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void SyncFolder(std::filesystem::path const& folder) {
  int const fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// mkstemp makes the file private; an export is an ordinary file, so give it the usual mode.
mode_t DefaultFileMode() {
  mode_t const mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool AtomicFileWriter::Write(std::string const& path, std::string_view bytes) {
  std::filesystem::path const target(path);
  std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  int const fd = ::mkstemp(temporary.data());
  if (fd < 0) return Fail("cannot write " + path, "");
  bool const ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int const saved = errno;
  ::close(fd);
  errno = saved;
  if (!ok) return Fail("cannot write " + path, temporary);
  ::chmod(temporary.c_str(), DefaultFileMode());
  if (::rename(temporary.c_str(), path.c_str()) != 0) return Fail("cannot replace " + path, temporary);
  SyncFolder(target.parent_path());
  return true;
}

bool AtomicFileWriter::Fail(std::string const& what, std::string const& temporary) {
  m_error = what + ": " + std::strerror(errno);
  if (!temporary.empty()) ::unlink(temporary.c_str());
  return false;
}
