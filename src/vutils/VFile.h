// A small file object for line-oriented loaders: open with an access mask and a creation
// disposition (FileConstants.h), read lines, write, seek. The file is open exclusively: while it
// is open another VFile cannot open it. Failures return false and leave a platform error code
// in GetLastError(). Reads are buffered but behave as if the file were read a byte at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "VString.h"
#include "platform/files/ExclusiveFile.h"

class VFile {
 public:
  VFile() = default;
  VFile(VFile const&) = delete;
  VFile& operator=(VFile const&) = delete;
  ~VFile();

  // Opens or creates the file; on success records its size and name. Fails (staying closed)
  // when the file is missing or present against the disposition, not accessible, or in use.
  bool Open(char const* fileName, unsigned long access, unsigned long creationDisposition);
  // Reads the next line into `line` (emptied first): a line feed ends it, carriage returns
  // are dropped. At end of file the last error becomes ERROR_HANDLE_EOF (38) and the result
  // is whether the line holds anything. A read error returns false.
  bool ReadLine(VString& line);
  // Writes `length` bytes at the current position; `written` receives how many were written.
  bool Write(void const* data, unsigned long length, unsigned long& written);
  // Moves the position like the platform's file-pointer call: with `distanceHigh` the distance
  // is 64 bits (high half in *distanceHigh, which receives the new position's high half).
  bool Seek(long distance, long* distanceHigh, unsigned long method);
  void Close();

  bool IsOpen() const { return m_file.IsOpen(); }
  uint64_t GetSize() const { return m_size; }
  VString const& GetFileName() const { return m_fileName; }

 private:
  bool Fill();
  bool DropReadAhead();

  ExclusiveFile m_file;
  uint64_t m_size = 0;
  VString m_fileName;
  std::vector<char> m_buffer;
  size_t m_next = 0;  // first unread byte of m_buffer
  size_t m_end = 0;   // bytes of m_buffer that hold file data
};
