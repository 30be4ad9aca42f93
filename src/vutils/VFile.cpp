#include "VFile.h"

#include <cstring>

#include "platform/types/FileConstants.h"
#include "platform/types/LastError.h"
#include "platform/types/WinTypes.h"

namespace {

constexpr size_t kBufferSize = 64 * 1024;

bool Fail(unsigned long error) {
  SetLastError(error);
  return false;
}

}  // namespace

VFile::~VFile() { Close(); }

bool VFile::Open(char const* fileName, unsigned long access, unsigned long creationDisposition) {
  Close();
  if (!m_file.Open(fileName, access, creationDisposition)) return Fail(m_file.Error());
  m_size = m_file.OpenedSize();
  m_fileName = fileName;
  return true;
}

bool VFile::ReadLine(VString& line) {
  line.Empty();
  if (!IsOpen()) return Fail(ERROR_INVALID_HANDLE);
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
  if (!IsOpen()) return Fail(ERROR_INVALID_HANDLE);
  if (length > 0 && !data) return Fail(ERROR_INVALID_PARAMETER);
  if (!DropReadAhead()) return false;
  if (!m_file.Write(data, length)) return Fail(m_file.Error());
  written = length;
  return true;
}

bool VFile::Seek(long distance, long* distanceHigh, unsigned long method) {
  if (!IsOpen()) return Fail(ERROR_INVALID_HANDLE);
  int const origin = method == FILE_BEGIN ? 0 : method == FILE_CURRENT ? 1 : method == FILE_END ? 2 : -1;
  if (origin < 0) return Fail(ERROR_INVALID_PARAMETER);
  if (!DropReadAhead()) return false;
  int64_t offset = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
                                                       static_cast<uint32_t>(distance))
                                : static_cast<int64_t>(static_cast<int32_t>(distance));
  uint64_t position = 0;
  if (!m_file.Seek(offset, origin, position)) return Fail(m_file.Error());
  if (distanceHigh) *distanceHigh = static_cast<long>(static_cast<int32_t>(position >> 32));
  return true;
}

void VFile::Close() {
  m_file.Close();
  m_size = 0;
  m_fileName.Empty();
  m_next = m_end = 0;
}

bool VFile::Fill() {
  if (m_buffer.empty()) m_buffer.resize(kBufferSize);
  m_next = m_end = 0;
  return m_file.Read(m_buffer.data(), m_buffer.size(), m_end) || Fail(m_file.Error());
}

// Puts the file position back where the caller believes it is: after the last byte handed out.
bool VFile::DropReadAhead() {
  int64_t const unread = static_cast<int64_t>(m_end - m_next);
  m_next = m_end = 0;
  if (unread == 0) return true;
  uint64_t position = 0;
  return m_file.Seek(-unread, 1, position) || Fail(m_file.Error());
}
