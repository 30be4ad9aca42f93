#include "platform/files/ExclusiveFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/DescriptorIo.h"
#include "platform/types/FileConstants.h"
#include "platform/types/WinTypes.h"

namespace {

unsigned long ErrorFromErrno(int err) {
  switch (err) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_FILE_EXISTS;
    case EROFS: return ERROR_WRITE_PROTECT;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EWOULDBLOCK: return ERROR_SHARING_VIOLATION;
    default: return ERROR_GEN_FAILURE;
  }
}

// The open(2) flags for an access mask and disposition; false for a combination that cannot be.
bool OpenFlags(unsigned long access, unsigned long disposition, int& flags, bool& truncate) {
  bool read = (access & GENERIC_READ) != 0, write = (access & GENERIC_WRITE) != 0;
  flags = O_CLOEXEC | (read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY);
  truncate = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
  switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; return true;
    case CREATE_ALWAYS: flags |= O_CREAT; return write;
    case OPEN_ALWAYS: flags |= O_CREAT; return true;
    case OPEN_EXISTING: return true;
    case TRUNCATE_EXISTING: return write;
    default: return false;
  }
}

}  // namespace

bool ExclusiveFile::Open(char const* path, unsigned long access, unsigned long disposition) {
  Close();
  int flags = 0;
  bool truncate = false;
  if (!path || !*path || !OpenFlags(access, disposition, flags, truncate)) return Fail(ERROR_INVALID_PARAMETER);
  int const fd = open(path, flags, 0666);
  if (fd < 0) return FailFromErrno();
  struct stat info {};
  unsigned long error = ERROR_SUCCESS;
  if (fstat(fd, &info) != 0) error = ErrorFromErrno(errno);
  else if (S_ISDIR(info.st_mode)) error = ERROR_ACCESS_DENIED;
  else if (flock(fd, LOCK_EX | LOCK_NB) != 0) error = ERROR_SHARING_VIOLATION;  // no sharing while open
  else if (truncate && ftruncate(fd, 0) != 0) error = ErrorFromErrno(errno);
  if (error != ERROR_SUCCESS) {
    close(fd);
    return Fail(error);
  }
  m_fd = fd;
  m_openedSize = truncate ? 0 : static_cast<uint64_t>(info.st_size);
  return true;
}

bool ExclusiveFile::Read(void* data, size_t size, size_t& got) {
  got = 0;
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  ssize_t n;
  do n = read(m_fd, data, size);
  while (n < 0 && errno == EINTR);
  if (n < 0) return FailFromErrno();
  got = static_cast<size_t>(n);
  return true;
}

bool ExclusiveFile::Write(void const* data, size_t size) {
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  return WriteAll(m_fd, data, size) || FailFromErrno();
}

bool ExclusiveFile::Seek(int64_t offset, int origin, uint64_t& position) {
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  int const whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : -1;
  if (whence < 0) return Fail(ERROR_INVALID_PARAMETER);
  off_t const landed = lseek(m_fd, offset, whence);
  if (landed < 0) return errno == EINVAL ? Fail(ERROR_NEGATIVE_SEEK) : FailFromErrno();
  position = static_cast<uint64_t>(landed);
  return true;
}

void ExclusiveFile::Close() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
  m_openedSize = 0;
}

bool ExclusiveFile::Fail(unsigned long error) {
  m_error = error;
  return false;
}

bool ExclusiveFile::FailFromErrno() { return Fail(ErrorFromErrno(errno)); }
