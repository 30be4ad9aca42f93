// Replaces a file's content so that a reader sees the old bytes or the new, never a part: the new
// bytes go to a temporary sibling in the target's real folder, which is flushed, given the old
// file's mode and owner (a new file gets 0666 less the umask) and renamed over the target; the
// folder is flushed after. A symbolic link is followed to the file it names, which is replaced
// while the link stays. When the folder takes no new file, or the owner cannot be kept, the bytes
// are written into the file itself instead, and the result says so. A failure leaves the old
// content and no temporary file behind. One object per thread; nothing throws.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

class AtomicFileWriter {
 public:
  enum class Result { Replaced, WrittenInPlace, Failed };

  Result Write(std::string const& path, std::string_view bytes);
  // Why the last write failed, or why it was done in place; empty after a replacement.
  std::string const& Report() const { return m_report; }

 private:
  Result Replace(std::string const& target, struct stat const* old, std::string_view bytes);
  Result WriteInPlace(std::string const& target, std::string_view bytes, std::string const& why);
  Result Fail(std::string const& what, int error, std::string const& temporary = {});

  std::string m_report;
};
