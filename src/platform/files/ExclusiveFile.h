// An open file that no other ExclusiveFile may open until it is closed (an advisory lock, held
// between processes too). Opens by an access mask and a creation disposition (FileConstants.h);
// failures return false with the platform error code (ERROR_*) in Error(). One thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>

class ExclusiveFile {
 public:
  ExclusiveFile() = default;
  ExclusiveFile(ExclusiveFile const&) = delete;
  ExclusiveFile& operator=(ExclusiveFile const&) = delete;
  ~ExclusiveFile() { Close(); }

  // Fails (staying closed) when the file is missing or present against the disposition, is a
  // folder, cannot be reached, or is held by another ExclusiveFile.
  bool Open(char const* path, unsigned long access, unsigned long disposition);
  // Reads up to `size` bytes; `got` is 0 at the end of the file.
  bool Read(void* data, size_t size, size_t& got);
  bool Write(void const* data, size_t size);
  // Moves by `offset` from the start (0), the position (1) or the end (2); `position` receives
  // where it landed. A position before the start fails with ERROR_NEGATIVE_SEEK.
  bool Seek(int64_t offset, int origin, uint64_t& position);
  void Close();

  bool IsOpen() const { return m_fd >= 0; }
  // The size when the file was opened (0 when the disposition emptied it).
  uint64_t OpenedSize() const { return m_openedSize; }
  unsigned long Error() const { return m_error; }

 private:
  bool Fail(unsigned long error);
  bool FailFromErrno();

  int m_fd = -1;
  uint64_t m_openedSize = 0;
  unsigned long m_error = 0;
};
