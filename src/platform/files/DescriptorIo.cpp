#include "platform/files/DescriptorIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

bool WriteAll(int fd, void const* data, size_t size) {
  auto const* bytes = static_cast<char const*>(data);
  while (size > 0) {
    ssize_t const n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

ssize_t ReadFull(int fd, void* data, size_t size) {
  auto* bytes = static_cast<char*>(data);
  size_t got = 0;
  while (got < size) {
    ssize_t const n = read(fd, bytes + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

bool SyncFolder(std::string const& folder) {
  int const fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool const synced = fsync(fd) == 0;
  int const saved = errno;
  close(fd);
  errno = saved;
  return synced;
}

bool AppendToFile(std::string const& path, std::string const& bytes, bool truncate, mode_t mode) {
  int const flags = O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | (truncate ? O_TRUNC : 0);
  int const fd = open(path.c_str(), flags, mode);
  if (fd < 0) return false;
  bool const written = WriteAll(fd, bytes.data(), bytes.size());
  int const saved = errno;
  close(fd);
  errno = saved;
  return written;
}
