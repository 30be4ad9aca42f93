// A file open for writing whose sharing with other writers is kept by advisory locks (flock), so
// that it holds between processes and between two opens in one process. Readers are never kept
// out. A shared open lets other shared writers in; an exclusive open keeps every other writer
// out, and is refused while any other writer has the file. Failures return false and leave the
// operating system's error number in Error(); nothing throws. One thread at a time.
#pragma once

#include <cstddef>

class SharedWriteFile {
 public:
  enum class Sharing { WithWriters, Exclusive };

  SharedWriteFile() = default;
  SharedWriteFile(SharedWriteFile const&) = delete;
  SharedWriteFile& operator=(SharedWriteFile const&) = delete;
  ~SharedWriteFile();

  // Closes any file held, then opens `path`, creating it when missing. Shared: keeps the content
  // and positions at the end. Exclusive: empties the file once the lock is held, never before.
  bool Open(char const* path, Sharing sharing);
  // Positions at the current end of the file; a stream, which has no end, stays where it is.
  bool SeekToEnd();
  // Writes all `length` bytes at the current position.
  bool Write(void const* data, size_t length);
  // Pushes what was written to the storage device; a file that cannot be synced has nothing to push.
  bool Flush();
  void Close();

  bool IsOpen() const { return m_fd >= 0; }
  // The errno of the last failure, 0 before any.
  int Error() const { return m_error; }
  // Whether the last failure was another writer holding the file.
  bool InUse() const;

 private:
  bool Fail(int error);
  // Takes the lock and prepares the position; false (with the error recorded) when it cannot.
  bool Prepare(Sharing sharing);

  int m_fd = -1;
  int m_error = 0;
};
