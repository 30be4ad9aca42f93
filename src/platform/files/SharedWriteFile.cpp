#include "platform/files/SharedWriteFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/DescriptorIo.h"

SharedWriteFile::~SharedWriteFile() { Close(); }

bool SharedWriteFile::Open(char const* path, Sharing sharing) {
  Close();
  if (!path || !*path) return Fail(ENOENT);
  m_fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (m_fd < 0) return Fail(errno);
  if (Prepare(sharing)) return true;
  int const error = m_error;
  Close();
  return Fail(error);
}

bool SharedWriteFile::Prepare(Sharing sharing) {
  bool const exclusive = sharing == Sharing::Exclusive;
  // A file system without locks gets the file unguarded rather than not at all.
  if (flock(m_fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0 && errno != ENOLCK && errno != EOPNOTSUPP)
    return Fail(errno);
  if (!exclusive) return SeekToEnd();
  struct stat info {};
  if (fstat(m_fd, &info) != 0) return Fail(errno);
  // Devices and pipes have no content to empty.
  return !S_ISREG(info.st_mode) || ftruncate(m_fd, 0) == 0 || Fail(errno);
}

bool SharedWriteFile::SeekToEnd() {
  if (m_fd < 0) return Fail(EBADF);
  return lseek(m_fd, 0, SEEK_END) >= 0 || errno == ESPIPE || Fail(errno);
}

bool SharedWriteFile::Write(void const* data, size_t length) {
  if (m_fd < 0) return Fail(EBADF);
  if (length > 0 && !data) return Fail(EINVAL);
  return WriteAll(m_fd, data, length) || Fail(errno);
}

bool SharedWriteFile::Flush() {
  if (m_fd < 0) return Fail(EBADF);
  return fdatasync(m_fd) == 0 || errno == EINVAL || errno == EROFS || Fail(errno);
}

void SharedWriteFile::Close() {
  if (m_fd >= 0) close(m_fd);  // closing the last descriptor releases the lock
  m_fd = -1;
}

bool SharedWriteFile::InUse() const { return m_error == EWOULDBLOCK; }

bool SharedWriteFile::Fail(int error) {
  m_error = error;
  return false;
}
