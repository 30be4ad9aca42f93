// Replaces a file atomically: a temporary file in the same folder is written, flushed to disk and
// renamed over the target, so readers see the old file or the new one, never a part.
#pragma once

#include <string>
#include <string_view>

class AtomicFileWriter {
 public:
  // Returns false with Error() set; the target is then untouched and no temporary file remains.
  bool Write(std::string const& path, std::string_view bytes);
  std::string const& Error() const { return m_error; }

 private:
  bool Fail(std::string const& what, std::string const& temporary);

  std::string m_error;
};
