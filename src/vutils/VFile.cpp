#include "VFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/types/FileConstants.h"
#include "platform/types/LastError.h"
#include "platform/types/WinTypes.h"

namespace {

constexpr size_t kBufferSize = 64 * 1024;

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

bool Fail(unsigned long error) {
  SetLastError(error);
  return false;
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

VFile::~VFile() { Close(); }

bool VFile::Open(char const* fileName, unsigned long access, unsigned long creationDisposition) {
  Close();
  int flags = 0;
  bool truncate = false;
  if (!fileName || !*fileName || !OpenFlags(access, creationDisposition, flags, truncate))
    return Fail(ERROR_INVALID_PARAMETER);
  int fd = open(fileName, flags, 0666);
  if (fd < 0) return Fail(ErrorFromErrno(errno));
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
  m_size = truncate ? 0 : static_cast<uint64_t>(info.st_size);
  m_fileName = fileName;
  return true;
}

bool VFile::ReadLine(VString& line) {
  line.Empty();
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  for (;;) {
    if (m_next == m_end) {
      if (!Fill()) return false;
      if (m_end == 0) {
        SetLastError(ERROR_HANDLE_EOF);
        return !line.IsEmpty();
      }
    }
    char const* start = m_buffer.data() + m_next;
    auto const* feed = static_cast<char const*>(std::memchr(start, '\n', m_end - m_next));
    char const* stop = feed ? feed : m_buffer.data() + m_end;
    for (char const* run = start; run < stop;) {
      auto const* cr = static_cast<char const*>(std::memchr(run, '\r', static_cast<size_t>(stop - run)));
      char const* runEnd = cr ? cr : stop;
      line.Append(run, static_cast<size_t>(runEnd - run));
      run = cr ? cr + 1 : stop;
    }
    m_next = static_cast<size_t>(stop - m_buffer.data()) + (feed ? 1 : 0);
    if (feed) return true;
  }
}

bool VFile::Write(void const* data, unsigned long length, unsigned long& written) {
  written = 0;
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  if (length > 0 && !data) return Fail(ERROR_INVALID_PARAMETER);
  if (!DropReadAhead()) return false;
  auto const* bytes = static_cast<char const*>(data);
  while (written < length) {
    ssize_t n = write(m_fd, bytes + written, length - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Fail(ErrorFromErrno(errno));
    written += static_cast<unsigned long>(n);
  }
  return true;
}

bool VFile::Seek(long distance, long* distanceHigh, unsigned long method) {
  if (m_fd < 0) return Fail(ERROR_INVALID_HANDLE);
  int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_CURRENT ? SEEK_CUR : method == FILE_END ? SEEK_END : -1;
  if (whence < 0) return Fail(ERROR_INVALID_PARAMETER);
  if (!DropReadAhead()) return false;
  int64_t offset = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
                                                       static_cast<uint32_t>(distance))
                                : static_cast<int64_t>(static_cast<int32_t>(distance));
  off_t position = lseek(m_fd, offset, whence);
  if (position < 0) return Fail(errno == EINVAL ? ERROR_NEGATIVE_SEEK : ErrorFromErrno(errno));
  if (distanceHigh) *distanceHigh = static_cast<long>(static_cast<int32_t>(static_cast<uint64_t>(position) >> 32));
  return true;
}

void VFile::Close() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
  m_size = 0;
  m_fileName.Empty();
  m_next = m_end = 0;
}

bool VFile::Fill() {
  if (m_buffer.empty()) m_buffer.resize(kBufferSize);
  ssize_t n;
  do n = read(m_fd, m_buffer.data(), m_buffer.size());
  while (n < 0 && errno == EINTR);
  m_next = 0;
  m_end = n > 0 ? static_cast<size_t>(n) : 0;
  return n >= 0 || Fail(ErrorFromErrno(errno));
}

// Puts the file position back where the caller believes it is: after the last byte handed out.
bool VFile::DropReadAhead() {
  off_t unread = static_cast<off_t>(m_end - m_next);
  m_next = m_end = 0;
  if (unread == 0) return true;
  return lseek(m_fd, -unread, SEEK_CUR) >= 0 || Fail(ErrorFromErrno(errno));
}
